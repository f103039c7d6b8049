<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="138"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n record exported</numerusform>
            <numerusform>%n records exported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n record added</numerusform>
            <numerusform>%n records added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="69"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact skipped</numerusform>
            <numerusform>%n contacts skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="70"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n value moved to misc</numerusform>
            <numerusform>%n values moved to misc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="71"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n character replaced</numerusform>
            <numerusform>%n characters replaced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="37"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n record matches</numerusform>
            <numerusform>%n records match</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the name replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the name replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the phone replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the phone replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the pager replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the pager replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="34"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the e-mail replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the e-mail replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="35"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the misc replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the misc replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="255"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</numerusform>
            <numerusform>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="501"/>
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>the server refused %n record: %1. Everything else was synced</numerusform>
            <numerusform>the server refused %n records: %1. Everything else was synced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n changed</numerusform>
            <numerusform>%n changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="21"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n deleted</numerusform>
            <numerusform>%n deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="83"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflict kept as a copy</numerusform>
            <numerusform>%n conflicts kept as copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="97"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Please enter no more than %n character.</numerusform>
            <numerusform>Please enter no more than %n characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="114"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n record was read and is shown.</numerusform>
            <numerusform>%n records were read and are shown.</numerusform>
        </translation>
    </message>
</context>
</TS>
