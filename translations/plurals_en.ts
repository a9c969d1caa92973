<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>pipwright::HistoryChart</name>
    <message numerus="yes">
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation>
            <numerusform>Won %1 and lost %2 of %3 game: %4% won.</numerusform>
            <numerusform>Won %1 and lost %2 of %3 games: %4% won.</numerusform>
        </translation>
    </message>
</context>
</TS>
