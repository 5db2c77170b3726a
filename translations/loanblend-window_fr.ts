<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>WindowModule</name>
    <message>
        <source>FILE</source>
        <extracomment>The placeholder of the file argument in the usage line: FILE and [FILE] name the same thing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: loanblend [FILE] | loanblend COMMAND ... (loanblend --help lists the commands)</source>
        <extracomment>loanblend and --help are typed as they stand; FILE as translated above.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::CalculatorForm</name>
    <message>
        <source>The command could not be completed: %1.</source>
        <extracomment>%1 is the failure as the system words it, often in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::CalculatorMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>The menus&apos; access keys share the window with those of the Calculate and Exit buttons: keep them apart.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export schedules as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;comparison as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo fill from the calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repayment schedules…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with an &amp;offer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the figures are &amp;defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no comparison to export: some of its inputs are marked as unusable. Correct them in the comparison window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no comparison to export: it cannot be made, since %1.</source>
        <extracomment>%1 says why, in lower case, such as &quot;for the offer, the monthly payment never covers a month&apos;s interest&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export comparison as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan-offer-comparison</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to report yet: the report, the schedules and their export show the figures of the last Calculate, and Calculate comes first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended-loan-report</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export schedules as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blended-loan-schedules</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to copy yet: Calculate comes first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::RecoveryBar</name>
    <message>
        <source>Restore the inputs of the last session?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the inputs of the last session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>A button, without an access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the inputs of the last session</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::ResultField</name>
    <message>
        <source>The whole figure: %1</source>
        <extracomment>What a screen reader says of a figure too wide for its box; %1 is the figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::SaveFileDialog</name>
    <message>
        <source>“%1” is not a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long: a file name here holds at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window::ScenarioDocument</name>
    <message>
        <source>Open a loan scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be read, in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan-scenario</source>
        <extracomment>A file name: no spaces, slashes or accents.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the loan scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario was not saved. %1</source>
        <extracomment>%1 is a whole sentence saying which input is not a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scenarios yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer there, so it is taken off the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
