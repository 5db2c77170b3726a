<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>calculate [FILE | -]  the window&apos;s 26 results (--format text or json)</source>
        <extracomment>Keep &quot;calculate&quot;, &quot;-&quot;, &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>calculate [DATEI | -]  die 26 Ergebnisse des Fensters (--format text oder json)</translation>
    </message>
    <message>
        <source>schedules [FILE | -] -o OUT.csv  every payment of the five plans, as File &gt; Export does</source>
        <extracomment>Keep &quot;schedules&quot;, &quot;-&quot; and &quot;-o&quot;: they are typed as they are. File &gt; Export is the window&apos;s menu item.</extracomment>
        <translation>schedules [DATEI | -] -o AUSGABE.csv  alle Raten der fünf Tilgungspläne, wie der Export im Menü Datei</translation>
    </message>
    <message>
        <source>compare FILE          the scenario&apos;s comparison with an offer (--format text or json)</source>
        <extracomment>Keep &quot;compare&quot;, &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>compare DATEI          der Vergleich des Szenarios mit einem Angebot (--format text oder json)</translation>
    </message>
    <message>
        <source>report FILE -o OUT.pdf  the report, as File &gt; Save report as PDF does</source>
        <extracomment>Keep &quot;report&quot; and &quot;-o&quot;: they are typed as they are. File &gt; Save report as PDF is the window&apos;s menu item.</extracomment>
        <translation>report DATEI -o AUSGABE.pdf  der Bericht, wie Datei &gt; Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>die Ausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Loan 1&apos;s principal, in your notation.</source>
        <translation>Darlehensbetrag von Darlehen 1, in Ihrer Zahlenschreibweise.</translation>
    </message>
    <message>
        <source>Loan 1&apos;s annual interest rate in percent, in your notation.</source>
        <translation>Jahreszinssatz (Sollzins) von Darlehen 1 in Prozent, in Ihrer Zahlenschreibweise.</translation>
    </message>
    <message>
        <source>The amortization period of both loans, in years, in your notation.</source>
        <translation>Laufzeit beider Darlehen in Jahren, in Ihrer Zahlenschreibweise.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s principal; empty for no loan 2, in your notation.</source>
        <translation>Darlehensbetrag von Darlehen 2, in Ihrer Zahlenschreibweise; leer für kein Darlehen 2.</translation>
    </message>
    <message>
        <source>Loan 2&apos;s annual interest rate in percent, in your notation.</source>
        <translation>Jahreszinssatz (Sollzins) von Darlehen 2 in Prozent, in Ihrer Zahlenschreibweise.</translation>
    </message>
    <message>
        <source>Blends two loans into one and compares the ways to repay them.</source>
        <translation>Fasst zwei Darlehen zu einem zusammen und vergleicht, wie sie sich zurückzahlen lassen.</translation>
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
        <translation>Die Eingaben sind zuerst die des Fensters, dann die der Szenario-DATEI (- liest sie von der
Standardeingabe), dann die der Optionen. Ohne Befehl öffnet sich das Fenster, mit der
Szenario-DATEI, sofern eine angegeben ist.
calculate akzeptiert die Eingaben, --format und --first-month; schedules und report die Eingaben,
--first-month und -o; compare --format und --first-month.
Exit-Status: 0 erledigt (auch ein Vergleich, der nicht möglich ist, ist eine Antwort); 1 ein Wert
konnte nicht berechnet werden; 2 ein Aufruffehler, eine Datei, die nicht gelesen oder geschrieben
werden kann, oder eine Eingabe, die keine Zahl ist oder außerhalb ihres Bereichs liegt.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first argument&apos;s name in the list of arguments.</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>calculate, schedules, compare or report; then a scenario FILE, or - for one on standard input (calculate and schedules only).</source>
        <extracomment>Keep the command names and &quot;-&quot;: they are typed as they are.</extracomment>
        <translation>calculate, schedules, compare oder report; dann eine Szenario-DATEI oder - für eine von der Standardeingabe (nur calculate und schedules).</translation>
    </message>
    <message>
        <source>[command] [FILE]</source>
        <extracomment>The arguments in the usage line: &quot;command&quot; and FILE as translated elsewhere.</extracomment>
        <translation>[Befehl] [DATEI]</translation>
    </message>
    <message>
        <source>text (the default) or json.</source>
        <extracomment>Keep &quot;text&quot; and &quot;json&quot;: they are typed as they are.</extracomment>
        <translation>text (die Vorgabe) oder json.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>The value&apos;s name in --format &lt;format&gt;.</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>The month of the schedules&apos; first payments; by default the scenario&apos;s, or the month after this one.</source>
        <translation>Monat der ersten Raten in den Tilgungsplänen; ohne Angabe der des Szenarios, sonst der nächste Monat.</translation>
    </message>
    <message>
        <source>YYYY-MM</source>
        <extracomment>The month&apos;s form in --first-month &lt;YYYY-MM&gt;: year and month in digits.</extracomment>
        <translation>JJJJ-MM</translation>
    </message>
    <message>
        <source>The file to write (schedules, report); - for standard output (schedules).</source>
        <extracomment>Keep &quot;-&quot;: it is typed as it is.</extracomment>
        <translation>Die zu schreibende Datei (schedules, report); - für die Standardausgabe (schedules).</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>The file&apos;s name in -o &lt;OUT&gt;, as in OUT.csv and OUT.pdf elsewhere.</extracomment>
        <translation>AUSGABE</translation>
    </message>
    <message>
        <source>too many arguments: %1</source>
        <translation>zu viele Argumente: %1</translation>
    </message>
    <message>
        <source>--format is text or json, not “%1”</source>
        <extracomment>Keep &quot;--format&quot;, &quot;text&quot; and &quot;json&quot;: they are typed as they are. %1 is the value given.</extracomment>
        <translation>--format ist text oder json, nicht „%1“</translation>
    </message>
    <message>
        <source>there is no display to open the window on; give a command.</source>
        <translation>es ist kein Bildschirm verfügbar, auf dem sich das Fenster öffnen ließe; geben Sie einen Befehl an.</translation>
    </message>
    <message>
        <source>there is no display to open “%1” on; give a command.</source>
        <extracomment>%1 is the scenario file named.</extracomment>
        <translation>es ist kein Bildschirm verfügbar, auf dem sich „%1“ öffnen ließe; geben Sie einen Befehl an.</translation>
    </message>
    <message>
        <source>no such command: “%1”.</source>
        <translation>unbekannter Befehl: „%1“.</translation>
    </message>
    <message>
        <source>no such command or file: “%1”.</source>
        <translation>„%1“ ist weder ein Befehl noch eine Datei.</translation>
    </message>
    <message>
        <source>the inputs</source>
        <extracomment>What a command takes, listed with options such as --format: --principal1, --rate1 and the others.</extracomment>
        <translation>die Eingaben</translation>
    </message>
    <message>
        <source>%1 takes no %2; it takes %3</source>
        <extracomment>%1 is the command, %2 the option it refused (such as --rate1), %3 the options it takes, with commas.</extracomment>
        <translation>%1 akzeptiert kein %2, sondern %3</translation>
    </message>
    <message>
        <source>this command reads its scenario from a file, not from standard input</source>
        <translation>dieser Befehl liest sein Szenario aus einer Datei, nicht von der Standardeingabe</translation>
    </message>
    <message>
        <source>the scenario on standard input could not be opened: %1</source>
        <extracomment>%1 is why, such as &quot;it is empty&quot;.</extracomment>
        <translation>das Szenario auf der Standardeingabe konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the scenario “%1” could not be opened: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why, such as &quot;no such file or directory&quot;.</extracomment>
        <translation>das Szenario „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>“%1” is the scenario read: the output would replace it</source>
        <extracomment>%1 is the file named by -o, which is also the scenario read.</extracomment>
        <translation>„%1“ ist das gelesene Szenario: Die Ausgabe würde es ersetzen</translation>
    </message>
    <message>
        <source>--first-month is a month from 1900-01 to 2999-12 written as YYYY-MM</source>
        <extracomment>Keep &quot;--first-month&quot;. YYYY-MM as translated for the option&apos;s value.</extracomment>
        <translation>--first-month ist ein Monat von 1900-01 bis 2999-12 in der Form JJJJ-MM</translation>
    </message>
    <message>
        <source>schedules needs -o OUT.csv, or -o - for standard output</source>
        <extracomment>Keep &quot;schedules&quot;, &quot;-o&quot; and &quot;-&quot;; OUT as translated for the option&apos;s value.</extracomment>
        <translation>schedules braucht -o AUSGABE.csv oder -o - für die Standardausgabe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input&apos;s name, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>compare needs a scenario FILE</source>
        <translation>compare braucht eine Szenario-DATEI</translation>
    </message>
    <message>
        <source>the scenario “%1” has no comparison with an offer</source>
        <translation>das Szenario „%1“ enthält keinen Vergleich mit einem Angebot</translation>
    </message>
    <message>
        <source>the comparison in “%1” has an input the window refuses: %2</source>
        <extracomment>%1 is the scenario file, %2 the input and what is wrong with it.</extracomment>
        <translation>der Vergleich in „%1“ enthält eine Eingabe, die das Fenster zurückweist: %2</translation>
    </message>
    <message>
        <source>report needs a scenario FILE</source>
        <translation>report braucht eine Szenario-DATEI</translation>
    </message>
    <message>
        <source>report needs -o OUT.pdf</source>
        <translation>report braucht -o AUSGABE.pdf</translation>
    </message>
    <message>
        <source>report writes a PDF file, not standard output: give -o OUT.pdf</source>
        <translation>report schreibt eine PDF-Datei, nicht auf die Standardausgabe: Geben Sie -o AUSGABE.pdf an</translation>
    </message>
    <message>
        <source>report draws with Qt&apos;s widgets, which only the window&apos;s part of the program starts</source>
        <translation>report zeichnet mit den Widgets von Qt, die nur der Fensterteil des Programms startet</translation>
    </message>
    <message>
        <source>the command could not be completed: %1</source>
        <extracomment>%1 is why, in English as the system gave it.</extracomment>
        <translation>der Befehl konnte nicht abgeschlossen werden: %1</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>the report could not be drawn: its part of the program could not be loaded.</source>
        <translation>der Bericht konnte nicht erstellt werden: Sein Teil des Programms ließ sich nicht laden.</translation>
    </message>
    <message>
        <source>the window could not be opened: its part of the program could not be loaded.</source>
        <translation>das Fenster konnte nicht geöffnet werden: Sein Teil des Programms ließ sich nicht laden.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
    </message>
</context>
</TS>
