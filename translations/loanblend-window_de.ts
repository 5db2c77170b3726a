<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ReportModuleLoader</name>
    <message>
        <source>The schedules and the report are not available: their part of the program could not be loaded.</source>
        <extracomment>Said when the report module cannot be loaded; the reasons follow on lines of their own.</extracomment>
        <translation>Die Tilgungspläne und der Bericht sind nicht verfügbar: ihr Teil des Programms konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>FILE</source>
        <extracomment>The placeholder of the file argument in the usage line: FILE and [FILE] name the same thing.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>A scenario to open.</source>
        <translation>Das zu öffnende Szenario.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation>es kann nur eine DATEI geöffnet werden</translation>
    </message>
    <message>
        <source>Usage: loanblend [FILE] | loanblend COMMAND ... (loanblend --help lists the commands)</source>
        <extracomment>loanblend and --help are typed as they stand; FILE as translated above.</extracomment>
        <translation>Aufruf: loanblend [DATEI] | loanblend BEFEHL ... (loanblend --help listet die Befehle auf)</translation>
    </message>
</context>
<context>
    <name>window::CalculatorForm</name>
    <message>
        <source>The command could not be completed: %1.</source>
        <extracomment>%1 is the failure as the system words it, often in English.</extracomment>
        <translation>Der Befehl konnte nicht ausgeführt werden: %1.</translation>
    </message>
</context>
<context>
    <name>window::CalculatorMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menus&apos; access keys share the window with those of the Calculate and Exit buttons: keep them apart.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation>Bericht als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export schedules as CSV…</source>
        <translation>&amp;Tilgungspläne als CSV exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;comparison as CSV…</source>
        <translation>&amp;Vergleich als CSV exportieren…</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo fill from the calculator</source>
        <translation>Übernahme aus dem Rechner &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>C&amp;opy results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Repayment schedules…</source>
        <translation>&amp;Tilgungspläne…</translation>
    </message>
    <message>
        <source>Compare with an &amp;offer…</source>
        <translation>Mit einem &amp;Angebot vergleichen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How the figures are &amp;defined</source>
        <translation>Wie die Kennzahlen &amp;definiert sind</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>There is no comparison to export: some of its inputs are marked as unusable. Correct them in the comparison window first.</source>
        <translation>Es gibt keinen Vergleich zu exportieren: Einige seiner Eingaben sind als unbrauchbar markiert. Korrigieren Sie sie zuerst im Vergleichsfenster.</translation>
    </message>
    <message>
        <source>There is no comparison to export: it cannot be made, since %1.</source>
        <extracomment>%1 says why, in lower case, such as &quot;for the offer, the monthly payment never covers a month&apos;s interest&quot;.</extracomment>
        <translation>Es gibt keinen Vergleich zu exportieren, denn er ist nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Export comparison as CSV</source>
        <translation>Vergleich als CSV exportieren</translation>
    </message>
    <message>
        <source>loan-offer-comparison</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>vergleich-darlehen-angebot</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>There is nothing to report yet: the report, the schedules and their export show the figures of the last Calculate, and Calculate comes first.</source>
        <translation>Noch gibt es nichts zu berichten: Der Bericht, die Tilgungspläne und ihr Export zeigen die Zahlen der letzten Berechnung – berechnen Sie also zuerst.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>blended-loan-report</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>darlehensbericht</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>PDF-Dokumente</translation>
    </message>
    <message>
        <source>Export schedules as CSV</source>
        <translation>Tilgungspläne als CSV exportieren</translation>
    </message>
    <message>
        <source>blended-loan-schedules</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>tilgungsplaene</translation>
    </message>
    <message>
        <source>There is nothing to copy yet: Calculate comes first.</source>
        <translation>Noch gibt es nichts zu kopieren: Berechnen Sie zuerst.</translation>
    </message>
</context>
<context>
    <name>window::RecoveryBar</name>
    <message>
        <source>Restore the inputs of the last session?</source>
        <translation>Die Eingaben der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the inputs of the last session</source>
        <translation>Die Eingaben der letzten Sitzung wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Discard the inputs of the last session</source>
        <translation>Die Eingaben der letzten Sitzung verwerfen</translation>
    </message>
</context>
<context>
    <name>window::ResultField</name>
    <message>
        <source>The whole figure: %1</source>
        <extracomment>What a screen reader says of a figure too wide for its box; %1 is the figure.</extracomment>
        <translation>Die vollständige Zahl: %1</translation>
    </message>
</context>
<context>
    <name>window::SaveFileDialog</name>
    <message>
        <source>“%1” is not a file name.</source>
        <translation>„%1“ ist kein Dateiname.</translation>
    </message>
    <message>
        <source>The name is too long: a file name here holds at most %1 bytes.</source>
        <translation>Der Name ist zu lang: Ein Dateiname darf hier höchstens %1 Bytes lang sein.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>window::ScenarioDocument</name>
    <message>
        <source>Open a loan scenario</source>
        <translation>Darlehensszenario öffnen</translation>
    </message>
    <message>
        <source>Loan scenarios</source>
        <translation>Darlehensszenarien</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read, in lower case.</extracomment>
        <translation>Das Szenario „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>loan-scenario</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation>darlehensszenario</translation>
    </message>
    <message>
        <source>Save the loan scenario</source>
        <translation>Darlehensszenario speichern</translation>
    </message>
    <message>
        <source>The scenario was not saved. %1</source>
        <extracomment>%1 is a whole sentence saying which input is not a number.</extracomment>
        <translation>Das Szenario wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>No scenarios yet</source>
        <translation>Noch keine Szenarien</translation>
    </message>
    <message>
        <source>“%1” is no longer there, so it is taken off the list of recent files.</source>
        <translation>„%1“ ist nicht mehr vorhanden und wird deshalb aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
</TS>
