<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ReportModuleLoader</name>
    <message>
        <source>The schedules and the report are not available: their part of the program could not be loaded.</source>
        <extracomment>Said when the report module cannot be loaded; the reasons follow on lines of their own.</extracomment>
        <translation>Les tableaux d’amortissement et le rapport ne sont pas disponibles : leur partie du programme n’a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>FILE</source>
        <extracomment>The placeholder of the file argument in the usage line: FILE and [FILE] name the same thing.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>A scenario to open.</source>
        <translation>Le scénario à ouvrir.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHIER]</translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation>un seul FICHIER peut être ouvert</translation>
    </message>
    <message>
        <source>Usage: loanblend [FILE] | loanblend COMMAND ... (loanblend --help lists the commands)</source>
        <extracomment>loanblend and --help are typed as they stand; FILE as translated above.</extracomment>
        <translation>Utilisation&#xa0;: loanblend [FICHIER] | loanblend COMMANDE ... (loanblend --help liste les commandes)</translation>
    </message>
</context>
<context>
    <name>window::CalculatorForm</name>
    <message>
        <source>The command could not be completed: %1.</source>
        <extracomment>%1 is the failure as the system words it, often in English.</extracomment>
        <translation>La commande n&apos;a pas pu aboutir&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>window::CalculatorMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menus&apos; access keys share the window with those of the Calculate and Exit buttons: keep them apart.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation>Enregistrer le rapport en P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export schedules as CSV…</source>
        <translation>E&amp;xporter les tableaux d&apos;amortissement en CSV…</translation>
    </message>
    <message>
        <source>Export &amp;comparison as CSV…</source>
        <translation>Exporter la &amp;comparaison en CSV…</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo fill from the calculator</source>
        <translation>&amp;Annuler le remplissage depuis le calculateur</translation>
    </message>
    <message>
        <source>C&amp;opy results</source>
        <translation>&amp;Copier les résultats</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Repayment schedules…</source>
        <translation>&amp;Tableaux d&apos;amortissement…</translation>
    </message>
    <message>
        <source>Compare with an &amp;offer…</source>
        <translation>Comparer avec une &amp;offre…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>How the figures are &amp;defined</source>
        <translation>&amp;Définition des chiffres</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>There is no comparison to export: some of its inputs are marked as unusable. Correct them in the comparison window first.</source>
        <translation>Il n&apos;y a aucune comparaison à exporter&#xa0;: certaines de ses données sont marquées comme inutilisables. Corrigez-les d&apos;abord dans la fenêtre de comparaison.</translation>
    </message>
    <message>
        <source>There is no comparison to export: it cannot be made, since %1.</source>
        <extracomment>%1 says why, in lower case, such as &quot;for the offer, the monthly payment never covers a month&apos;s interest&quot;.</extracomment>
        <translation>Il n&apos;y a aucune comparaison à exporter, car elle est impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export comparison as CSV</source>
        <translation>Exporter la comparaison en CSV</translation>
    </message>
    <message>
        <source>loan-offer-comparison</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>comparaison-pret-offre</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>There is nothing to report yet: the report, the schedules and their export show the figures of the last Calculate, and Calculate comes first.</source>
        <translation>Il n&apos;y a encore rien à présenter&#xa0;: le rapport, les tableaux d&apos;amortissement et leur export reprennent les chiffres du dernier calcul&#xa0;; lancez donc d&apos;abord le calcul.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>blended-loan-report</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>rapport-pret-regroupe</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>Documents PDF</translation>
    </message>
    <message>
        <source>Export schedules as CSV</source>
        <translation>Exporter les tableaux d&apos;amortissement en CSV</translation>
    </message>
    <message>
        <source>blended-loan-schedules</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>tableaux-amortissement</translation>
    </message>
    <message>
        <source>There is nothing to copy yet: Calculate comes first.</source>
        <translation>Il n&apos;y a encore rien à copier&#xa0;: lancez d&apos;abord le calcul.</translation>
    </message>
</context>
<context>
    <name>window::RecoveryBar</name>
    <message>
        <source>Restore the inputs of the last session?</source>
        <translation>Restaurer les données saisies lors de la dernière session&#xa0;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Restore the inputs of the last session</source>
        <translation>Restaurer les données saisies lors de la dernière session</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Discard the inputs of the last session</source>
        <translation>Abandonner les données saisies lors de la dernière session</translation>
    </message>
</context>
<context>
    <name>window::ResultField</name>
    <message>
        <source>The whole figure: %1</source>
        <extracomment>What a screen reader says of a figure too wide for its box; %1 is the figure.</extracomment>
        <translation>Valeur complète&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>window::SaveFileDialog</name>
    <message>
        <source>“%1” is not a file name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de fichier.</translation>
    </message>
    <message>
        <source>The name is too long: a file name here holds at most %1 bytes.</source>
        <translation>Le nom est trop long&#xa0;: ici, un nom de fichier ne peut dépasser %1 octets.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>window::ScenarioDocument</name>
    <message>
        <source>Open a loan scenario</source>
        <translation>Ouvrir un scénario de prêt</translation>
    </message>
    <message>
        <source>Loan scenarios</source>
        <translation>Scénarios de prêt</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read, in lower case.</extracomment>
        <translation>Le scénario «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>loan-scenario</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>scenario-de-pret</translation>
    </message>
    <message>
        <source>Save the loan scenario</source>
        <translation>Enregistrer le scénario de prêt</translation>
    </message>
    <message>
        <source>The scenario was not saved. %1</source>
        <extracomment>%1 is a whole sentence saying which input is not a number.</extracomment>
        <translation>Le scénario n&apos;a pas été enregistré. %1</translation>
    </message>
    <message>
        <source>No scenarios yet</source>
        <translation>Aucun scénario pour l&apos;instant</translation>
    </message>
    <message>
        <source>“%1” is no longer there, so it is taken off the list of recent files.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe plus&#xa0;; il est donc retiré de la liste des fichiers récents.</translation>
    </message>
</context>
</TS>
