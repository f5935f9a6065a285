<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ravelbook::DataNavigator</name>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::PrintRun</name>
    <message>
        <source>%1 characters no installed font has, printed as boxes (%2%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
