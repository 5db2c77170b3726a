<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>calculate [FILE | -]  the window&apos;s 26 results (--format text or json)</source>
        <extracomment>Keep &quot;calculate&quot;, &quot;-&quot;, &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>calculate [FICHIER | -]  les 26 résultats de la fenêtre (--format text ou json)</translation>
    </message>
    <message>
        <source>schedules [FILE | -] -o OUT.csv  every payment of the five plans, as File &gt; Export does</source>
        <extracomment>Keep &quot;schedules&quot;, &quot;-&quot; and &quot;-o&quot;: they are typed as they are. File &gt; Export is the window&apos;s menu item.</extracomment>
        <translation>schedules [FICHIER | -] -o SORTIE.csv  les échéances des cinq tableaux, comme l’export du menu Fichier</translation>
    </message>
    <message>
        <source>compare FILE          the scenario&apos;s comparison with an offer (--format text or json)</source>
        <extracomment>Keep &quot;compare&quot;, &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>compare FICHIER          la comparaison du scénario avec une offre (--format text ou json)</translation>
    </message>
    <message>
        <source>report FILE -o OUT.pdf  the report, as File &gt; Save report as PDF does</source>
        <extracomment>Keep &quot;report&quot; and &quot;-o&quot;: they are typed as they are. File &gt; Save report as PDF is the window&apos;s menu item.</extracomment>
        <translation>report FICHIER -o SORTIE.pdf  le rapport, comme Fichier &gt; Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#xa0;:</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>la sortie n’a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Loan 1&apos;s principal, in your notation.</source>
        <translation>Capital emprunté du prêt 1, dans votre notation.</translation>
    </message>
    <message>
        <source>Loan 1&apos;s annual interest rate in percent, in your notation.</source>
        <translation>Taux d’intérêt annuel (taux débiteur) du prêt 1 en pour cent, dans votre notation.</translation>
    </message>
    <message>
        <source>The amortization period of both loans, in years, in your notation.</source>
        <translation>Durée des deux prêts en années, dans votre notation.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s principal; empty for no loan 2, in your notation.</source>
        <translation>Capital emprunté du prêt 2, dans votre notation&#xa0;; vide s’il n’y a pas de prêt 2.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s annual interest rate in percent, in your notation.</source>
        <translation>Taux d’intérêt annuel (taux débiteur) du prêt 2 en pour cent, dans votre notation.</translation>
    </message>
    <message>
        <source>Blends two loans into one and compares the ways to repay them.</source>
        <translation>Regroupe deux prêts en un seul et compare les façons de les rembourser.</translation>
    </message>
    <message>
        <source>Inputs start as the window&apos;s, then the scenario FILE&apos;s (- reads it from standard input), then the
options&apos;. Without a command, the window opens, with the scenario FILE where one is given.
calculate takes the inputs, --format and --first-month; schedules and report the inputs,
--first-month and -o; compare --format and --first-month.
Exit status: 0 done (a comparison that cannot be made is an answer too); 1 a figure could not be
calculated; 2 a usage error, a file that cannot be read or written, or an input that is not a
number or out of its range.</source>
        <extracomment>Lines of at most 100 characters. Keep the command names, the options and &quot;-&quot;; FILE as in the synopsis of each command.</extracomment>
        <translation>Les entrées sont d’abord celles de la fenêtre, puis celles du FICHIER de scénario (- le lit sur
l’entrée standard), puis celles des options. Sans commande, la fenêtre s’ouvre, avec le FICHIER de
scénario s’il est donné.
calculate accepte les entrées, --format et --first-month&#xa0;; schedules et report les entrées,
--first-month et -o&#xa0;; compare --format et --first-month.
Code de sortie&#xa0;: 0 terminé (une comparaison impossible est aussi une réponse)&#xa0;; 1 un montant n’a
pas pu être calculé&#xa0;; 2 une erreur d’utilisation, un fichier qui ne peut être lu ou écrit, ou une
entrée qui n’est pas un nombre ou sort de sa plage.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first argument&apos;s name in the list of arguments.</extracomment>
        <translation>commande</translation>
    </message>
    <message>
        <source>calculate, schedules, compare or report; then a scenario FILE, or - for one on standard input (calculate and schedules only).</source>
        <extracomment>Keep the command names and &quot;-&quot;: they are typed as they are.</extracomment>
        <translation>calculate, schedules, compare ou report&#xa0;; puis un FICHIER de scénario, ou - pour le lire sur l’entrée standard (calculate et schedules seulement).</translation>
    </message>
    <message>
        <source>[command] [FILE]</source>
        <extracomment>The arguments in the usage line: &quot;command&quot; and FILE as translated elsewhere.</extracomment>
        <translation>[commande] [FICHIER]</translation>
    </message>
    <message>
        <source>text (the default) or json.</source>
        <extracomment>Keep &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>text (par défaut) ou json.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>The value&apos;s name in --format &lt;format&gt;.</extracomment>
        <translation>format</translation>
    </message>
    <message>
        <source>The month of the schedules&apos; first payments; by default the scenario&apos;s, or the month after this one.</source>
        <translation>Mois des premières échéances des tableaux d’amortissement&#xa0;; par défaut celui du scénario, sinon le mois prochain.</translation>
    </message>
    <message>
        <source>YYYY-MM</source>
        <extracomment>The month&apos;s form in --first-month &lt;YYYY-MM&gt;: year and month in digits.</extracomment>
        <translation>AAAA-MM</translation>
    </message>
    <message>
        <source>The file to write (schedules, report); - for standard output (schedules).</source>
        <extracomment>Keep &quot;-&quot;: it is typed as it is.</extracomment>
        <translation>Fichier à écrire (schedules, report)&#xa0;; - pour la sortie standard (schedules).</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The file&apos;s name in -o &lt;OUT&gt;, as in OUT.csv and OUT.pdf elsewhere.</extracomment>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>too many arguments: %1</source>
        <translation>trop d’arguments&#xa0;: %1</translation>
    </message>
    <message>
        <source>--format is text or json, not “%1”</source>
        <extracomment>Keep &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are. %1 is the value given.</extracomment>
        <translation>--format vaut text ou json, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>there is no display to open the window on; give a command.</source>
        <translation>aucun écran n’est disponible pour ouvrir la fenêtre&#xa0;; indiquez une commande.</translation>
    </message>
    <message>
        <source>there is no display to open “%1” on; give a command.</source>
        <extracomment>%1 is the scenario file named.</extracomment>
        <translation>aucun écran n’est disponible pour ouvrir «&#xa0;%1&#xa0;»&#xa0;; indiquez une commande.</translation>
    </message>
    <message>
        <source>no such command: “%1”.</source>
        <translation>commande inconnue&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>no such command or file: “%1”.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une commande ni un fichier.</translation>
    </message>
    <message>
        <source>the inputs</source>
        <extracomment>What a command takes, listed with options such as --format: --principal1, --rate1 and the others.</extracomment>
        <translation>les entrées</translation>
    </message>
    <message>
        <source>%1 takes no %2; it takes %3</source>
        <extracomment>%1 is the command, %2 the option it refused (such as --rate1), %3 the options it takes, with commas.</extracomment>
        <translation>%1 n’accepte pas %2, seulement %3</translation>
    </message>
    <message>
        <source>this command reads its scenario from a file, not from standard input</source>
        <translation>cette commande lit son scénario dans un fichier, pas sur l’entrée standard</translation>
    </message>
    <message>
        <source>the scenario on standard input could not be opened: %1</source>
        <extracomment>%1 is why, such as &quot;it is empty&quot;.</extracomment>
        <translation>le scénario sur l’entrée standard n’a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>the scenario “%1” could not be opened: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why, such as &quot;no such file or directory&quot;.</extracomment>
        <translation>le scénario «&#xa0;%1&#xa0;» n’a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” is the scenario read: the output would replace it</source>
        <extracomment>%1 is the file named by -o, which is also the scenario read.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est le scénario lu&#xa0;: la sortie le remplacerait</translation>
    </message>
    <message>
        <source>--first-month is a month from 1900-01 to 2999-12 written as YYYY-MM</source>
        <extracomment>Keep &quot;--first-month&quot;. YYYY-MM as translated for the option&apos;s value.</extracomment>
        <translation>--first-month est un mois de 1900-01 à 2999-12 écrit sous la forme AAAA-MM</translation>
    </message>
    <message>
        <source>schedules needs -o OUT.csv, or -o - for standard output</source>
        <extracomment>Keep &quot;schedules&quot;, &quot;-o&quot; and &quot;-&quot;; OUT as translated for the option&apos;s value.</extracomment>
        <translation>schedules nécessite -o SORTIE.csv, ou -o - pour la sortie standard</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input&apos;s name, %2 what is wrong with it.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>compare needs a scenario FILE</source>
        <translation>compare nécessite un FICHIER de scénario</translation>
    </message>
    <message>
        <source>the scenario “%1” has no comparison with an offer</source>
        <translation>le scénario «&#xa0;%1&#xa0;» ne contient aucune comparaison avec une offre</translation>
    </message>
    <message>
        <source>the comparison in “%1” has an input the window refuses: %2</source>
        <extracomment>%1 is the scenario file, %2 the input and what is wrong with it.</extracomment>
        <translation>la comparaison dans «&#xa0;%1&#xa0;» contient une entrée que la fenêtre refuse&#xa0;: %2</translation>
    </message>
    <message>
        <source>report needs a scenario FILE</source>
        <translation>report nécessite un FICHIER de scénario</translation>
    </message>
    <message>
        <source>report needs -o OUT.pdf</source>
        <translation>report nécessite -o SORTIE.pdf</translation>
    </message>
    <message>
        <source>report writes a PDF file, not standard output: give -o OUT.pdf</source>
        <translation>report écrit un fichier PDF, pas sur la sortie standard&#xa0;: indiquez -o SORTIE.pdf</translation>
    </message>
    <message>
        <source>report draws with Qt&apos;s widgets, which only the window&apos;s part of the program starts</source>
        <translation>report dessine avec les widgets de Qt, que seule la partie fenêtre du programme démarre</translation>
    </message>
    <message>
        <source>the command could not be completed: %1</source>
        <extracomment>%1 is why, in English as the system gave it.</extracomment>
        <translation>la commande n’a pas pu aboutir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>the report could not be drawn: its part of the program could not be loaded.</source>
        <translation>le rapport n’a pas pu être dessiné&#xa0;: sa partie du programme n’a pas pu être chargée.</translation>
    </message>
    <message>
        <source>the window could not be opened: its part of the program could not be loaded.</source>
        <translation>la fenêtre n’a pas pu s’ouvrir&#xa0;: sa partie du programme n’a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, options propres à Qt comprises.</translation>
    </message>
</context>
</TS>
