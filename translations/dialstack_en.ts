<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n record exported</numerusform>
            <numerusform>%n records exported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n record added</numerusform>
            <numerusform>%n records added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact skipped</numerusform>
            <numerusform>%n contacts skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n value moved to misc</numerusform>
            <numerusform>%n values moved to misc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n character replaced</numerusform>
            <numerusform>%n characters replaced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n group or place left alone</numerusform>
            <numerusform>%n groups or places left alone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n record matches</numerusform>
            <numerusform>%n records match</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the name replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the name replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the phone replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the phone replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the pager replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the pager replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n character of the e-mail replaced by &quot;?&quot;</numerusform>
            <numerusform>%n characters of the e-mail replaced by &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
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
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</numerusform>
            <numerusform>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n added</numerusform>
            <numerusform>%n added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n changed</numerusform>
            <numerusform>%n changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n deleted</numerusform>
            <numerusform>%n deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflict kept as a copy</numerusform>
            <numerusform>%n conflicts kept as copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>the server refused %n card (%1); everything else is in step</numerusform>
            <numerusform>the server refused %n cards (%1); everything else is in step</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
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
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n record was read and is shown.</numerusform>
            <numerusform>%n records were read and are shown.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>and %n other name</numerusform>
            <numerusform>and %n other names</numerusform>
        </translation>
    </message>
</context>
</TS>
