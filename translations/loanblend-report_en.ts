<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PlanSummary</name>
    <message numerus="yes">
        <source>%1 cents</source>
        <translation>
            <numerusform>%1 cent</numerusform>
            <numerusform>%1 cents</numerusform>
        </translation>
    </message>
</context>
</TS>
