<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ComparisonResults</name>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <extracomment>%1 is a number of years, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 year</numerusform>
            <numerusform>%1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>%1 is a number of months, written in the user&apos;s digits.</extracomment>
        <translation>
            <numerusform>%1 month</numerusform>
            <numerusform>%1 months</numerusform>
        </translation>
    </message>
</context>
</TS>
