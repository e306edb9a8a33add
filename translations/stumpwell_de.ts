<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BallRules</name>
    <message>
        <source>Bowled</source>
        <translation>Geworfen</translation>
    </message>
    <message>
        <source>Caught &amp; Bowled</source>
        <translation>Gefangen &amp; Geworfen</translation>
    </message>
    <message>
        <source>Stumped</source>
        <translation>Gestumpt</translation>
    </message>
    <message>
        <source>Caught Behind</source>
        <translation>Hinten gefangen</translation>
    </message>
    <message>
        <source>Caught </source>
        <translation>Gefangen </translation>
    </message>
    <message>
        <source>Not Out</source>
        <translation>Nicht aus</translation>
    </message>
</context>
<context>
    <name>CareerLine</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Innings</source>
        <translation>Innings</translation>
    </message>
    <message>
        <source>Not Outs</source>
        <translation>Nicht aus</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Bälle</translation>
    </message>
    <message>
        <source>Strike Rate</source>
        <translation>Strike-Rate</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>100er</translation>
    </message>
    <message>
        <source>50s</source>
        <translation>50er</translation>
    </message>
    <message>
        <source>Ducks</source>
        <translation>Ducks</translation>
    </message>
    <message>
        <source>Caught</source>
        <translation>Gefangen</translation>
    </message>
    <message>
        <source>Bowled</source>
        <translation>Geworfen</translation>
    </message>
    <message>
        <source>Caught Behind</source>
        <translation>Hinten gefangen</translation>
    </message>
    <message>
        <source>Caught &amp; Bowled</source>
        <translation>Gefangen &amp; Geworfen</translation>
    </message>
    <message>
        <source>Stumped</source>
        <translation>Gestumpt</translation>
    </message>
</context>
<context>
    <name>CareerStatistics</name>
    <message>
        <source>The match store %1 could not save the match&apos;s end: %2.</source>
        <translation>Der Spielspeicher %1 konnte das Spielende nicht speichern: %2.</translation>
    </message>
    <message>
        <source>The match store %1 could not rebuild its statistics: %2.</source>
        <translation>Der Spielspeicher %1 konnte seine Statistik nicht neu aufbauen: %2.</translation>
    </message>
</context>
<context>
    <name>Competition</name>
    <message>
        <source>Not played</source>
        <translation>Nicht gespielt</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source> v </source>
        <translation> gegen </translation>
    </message>
</context>
<context>
    <name>CompetitionDesk</name>
    <message>
        <source>This match could not be entered in &quot;%1&quot;: %2. It is played as a single match.</source>
        <translation>Dieses Spiel konnte nicht in „%1“ eingetragen werden: %2. Es wird als Einzelspiel gespielt.</translation>
    </message>
</context>
<context>
    <name>CompetitionRows</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>Mannschaft A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>Mannschaft B</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Sides</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Leader</source>
        <translation>Führend</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>CompetitionRules</name>
    <message>
        <source>The series needs a name.</source>
        <translation>Die Serie braucht einen Namen.</translation>
    </message>
    <message>
        <source>The league needs a name.</source>
        <translation>Die Liga braucht einen Namen.</translation>
    </message>
    <message>
        <source>The series&apos;s name has at most %1 characters.</source>
        <translation>Der Name der Serie darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The league&apos;s name has at most %1 characters.</source>
        <translation>Der Name der Liga darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>Choose two different sides.</source>
        <translation>Wählen Sie zwei verschiedene Mannschaften.</translation>
    </message>
    <message>
        <source>A series has from %1 to %2 tests.</source>
        <translation>Eine Serie hat %1 bis %2 Tests.</translation>
    </message>
    <message>
        <source>From %1 to %2 sides must play; %3 are ticked.</source>
        <translation>Es müssen %1 bis %2 Mannschaften spielen; %3 sind angekreuzt.</translation>
    </message>
    <message>
        <source>A side can play only once in a league.</source>
        <translation>Eine Mannschaft kann in einer Liga nur einmal spielen.</translation>
    </message>
</context>
<context>
    <name>CompetitionStore</name>
    <message>
        <source>The series could not be saved. %1</source>
        <translation>Die Serie konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The league could not be saved. %1</source>
        <translation>Die Liga konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The series could not be saved: %1.</source>
        <translation>Die Serie konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The league could not be saved: %1.</source>
        <translation>Die Liga konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The series and leagues could not be read: %1.</source>
        <translation>Die Serien und Ligen konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the fixture is no longer in the store</source>
        <translation>die Begegnung ist nicht mehr im Spielspeicher</translation>
    </message>
    <message>
        <source>It could not be deleted: %1.</source>
        <translation>Das Löschen ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>It is no longer in the store.</source>
        <translation>Der Eintrag ist nicht mehr im Spielspeicher.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>England</source>
        <translation>England</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>West Indies</source>
        <translation>Westindien</translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation>Simbabwe</translation>
    </message>
</context>
<context>
    <name>FairDice</name>
    <message>
        <source>a nonce came out of turn in round %1</source>
        <translation>in Runde %1 kam eine Nonce außer der Reihe</translation>
    </message>
    <message>
        <source>the other copy&apos;s nonce for round %1 is not the one it committed to</source>
        <translation>die Nonce der Gegenseite für Runde %1 entspricht nicht ihrer Zusage</translation>
    </message>
</context>
<context>
    <name>FixturePlay</name>
    <message>
        <source>The side &quot;%1&quot; is no longer in the match store.</source>
        <translation>Die Mannschaft „%1“ ist nicht mehr im Spielspeicher.</translation>
    </message>
    <message>
        <source>The series or league is no longer in the match store.</source>
        <translation>Die Serie oder Liga ist nicht mehr im Spielspeicher.</translation>
    </message>
</context>
<context>
    <name>HighlightsLog</name>
    <message>
        <source>Match Highlights</source>
        <translation>Spielhöhepunkte</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Team 1</source>
        <translation>Mannschaft 1</translation>
    </message>
    <message>
        <source>Team 2</source>
        <translation>Mannschaft 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Series or League</source>
        <translation>Serie oder Liga</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>HTML (*.html)</source>
        <translation>HTML (*.html)</translation>
    </message>
    <message>
        <source>The page could not be written to %1: %2.</source>
        <translation>Die Seite konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>InningsModel</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Total for the loss of %1 wickets:</source>
        <translation>Gesamt bei Verlust von %1 Wickets:</translation>
    </message>
    <message>
        <source>%1 - 1st Innings</source>
        <translation>%1 - 1. Innings</translation>
    </message>
    <message>
        <source>%1 - 2nd Innings</source>
        <translation>%1 - 2. Innings</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language chosen is used from the next start of Stumpwell.</source>
        <translation>Die gewählte Sprache wird ab dem nächsten Start von Stumpwell verwendet.</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>Sp&amp;rache</translation>
    </message>
</context>
<context>
    <name>LeagueTable</name>
    <message>
        <source>Pos</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>P</source>
        <comment>played</comment>
        <translation>Sp</translation>
    </message>
    <message>
        <source>W</source>
        <comment>won</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>L</source>
        <comment>lost</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>T</source>
        <comment>tied</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>D</source>
        <comment>drawn</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>Pts</source>
        <comment>points</comment>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>PCT</source>
        <comment>percentage of points</comment>
        <translation>Quote</translation>
    </message>
    <message>
        <source>RpW</source>
        <comment>runs per wicket ratio</comment>
        <translation>RpW</translation>
    </message>
    <message>
        <source>Win %1 points, tie %2, draw %3, loss 0. PCT: points won as a percentage of the points contested (%1 a match). Sides level on PCT are ordered by RpW: runs scored per wicket lost divided by runs conceded per wicket taken; then by name.</source>
        <translation>Sieg %1 Punkte, Gleichstand %2, Unentschieden %3, Niederlage 0. Quote: gewonnene Punkte in Prozent der möglichen Punkte (%1 je Spiel). Bei gleicher Quote entscheidet RpW: erzielte Runs pro verlorenem Wicket geteilt durch zugelassene Runs pro genommenem Wicket; danach der Name.</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>the draws recorded do not add up to its overs</source>
        <translation>die aufgezeichneten Zufallswerte passen nicht zu den Overs</translation>
    </message>
    <message>
        <source>over %1 has a die face of %2</source>
        <translation>Over %1 hat die Augenzahl %2</translation>
    </message>
    <message>
        <source>over %1 comes after the result</source>
        <translation>Over %1 folgt erst nach dem Ergebnis</translation>
    </message>
    <message>
        <source>over %1: %2</source>
        <translation>Over %1: %2</translation>
    </message>
    <message>
        <source>over %1 has more draws recorded than it took</source>
        <translation>für Over %1 sind mehr Zufallswerte aufgezeichnet, als es verbraucht hat</translation>
    </message>
    <message>
        <source>An appeal is made against %1 and he is given NOT OUT!</source>
        <translation>Gegen %1 wird Appeal erhoben – Entscheidung: NICHT AUS!</translation>
    </message>
    <message>
        <source>An appeal is made against %1 and he is given out!</source>
        <translation>Gegen %1 wird Appeal erhoben – Entscheidung: aus!</translation>
    </message>
</context>
<context>
    <name>MatchLog</name>
    <message>
        <source>the teams were not saved in a form this program knows</source>
        <translation>die Mannschaften wurden in einer Form gespeichert, die dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>the teams were saved in format %1, which this program does not know</source>
        <translation>die Mannschaften wurden im Format %1 gespeichert, das dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>a team record has %1 bytes instead of %2</source>
        <translation>ein Mannschaftsdatensatz hat %1 statt %2 Bytes</translation>
    </message>
    <message>
        <source>a player&apos;s record in the player file is damaged</source>
        <translation>ein Spielerdatensatz in der Spielerdatei ist beschädigt</translation>
    </message>
    <message>
        <source>the teams&apos; record is cut short</source>
        <translation>der Datensatz der Mannschaften ist unvollständig</translation>
    </message>
    <message>
        <source>the teams&apos; record is too long</source>
        <translation>der Datensatz der Mannschaften ist zu lang</translation>
    </message>
    <message>
        <source>the toss is not one the game can make</source>
        <translation>dieser Münzwurf ist im Spiel nicht möglich</translation>
    </message>
</context>
<context>
    <name>MatchMode</name>
    <message>
        <source>Human v CPU</source>
        <translation>Mensch gegen Computer</translation>
    </message>
    <message>
        <source>CPU v CPU</source>
        <translation>Computer gegen Computer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Human v Human</source>
        <translation>Mensch gegen Mensch</translation>
    </message>
</context>
<context>
    <name>MatchRecords</name>
    <message>
        <source>%1 v %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>Highest innings totals</source>
        <translation>Höchste Innings-Ergebnisse</translation>
    </message>
    <message>
        <source>Lowest completed totals (all out)</source>
        <translation>Niedrigste abgeschlossene Ergebnisse (alle aus)</translation>
    </message>
    <message>
        <source>Largest wins by runs</source>
        <translation>Höchste Siege nach Runs</translation>
    </message>
    <message>
        <source>Highest match aggregates</source>
        <translation>Höchste Spielsummen</translation>
    </message>
    <message>
        <source>Highest individual scores</source>
        <translation>Höchste Einzelergebnisse</translation>
    </message>
    <message>
        <source>Most runs in a match</source>
        <translation>Meiste Runs in einem Spiel</translation>
    </message>
    <message>
        <source>Most hundreds</source>
        <translation>Meiste Hunderter</translation>
    </message>
    <message>
        <source>Highest career average (at least 10 innings)</source>
        <translation>Höchster Karrieredurchschnitt (mindestens 10 Innings)</translation>
    </message>
    <message>
        <source>Most ducks</source>
        <translation>Meiste Ducks</translation>
    </message>
    <message>
        <source>Highest partnership for each wicket</source>
        <translation>Höchste Partnerschaft je Wicket</translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n Run</numerusform>
            <numerusform>%n Runs</numerusform>
        </translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Vorsprung</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Batsman</source>
        <translation>Schlagmann</translation>
    </message>
    <message>
        <source>100s</source>
        <translation>100er</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Ducks</source>
        <translation>Ducks</translation>
    </message>
    <message>
        <source>Wicket</source>
        <translation>Wicket</translation>
    </message>
    <message>
        <source>Batsmen</source>
        <translation>Schlagmänner</translation>
    </message>
</context>
<context>
    <name>MatchReplay</name>
    <message>
        <source>%1 all out</source>
        <translation>%1, alle aus</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Over %1 of %2 · day %3, %4 · %5 %6</source>
        <translation>Over %1 von %2 · Tag %3, %4 · %5 %6</translation>
    </message>
</context>
<context>
    <name>MatchResult</name>
    <message>
        <source>The time allowed for this match has expired; the innings were not completed and the match has been declared a draw</source>
        <translation>Die für dieses Spiel vorgesehene Zeit ist abgelaufen; die Innings wurden nicht beendet, und das Spiel wird für unentschieden erklärt</translation>
    </message>
    <message>
        <source>This test match has been tied!</source>
        <translation>Dieses Testmatch endet mit Gleichstand!</translation>
    </message>
    <message>
        <source>I declare the winner of this test match, by %1 runs : %2</source>
        <translation>Zum Sieger dieses Testmatches mit %1 Runs Vorsprung erkläre ich: %2</translation>
    </message>
</context>
<context>
    <name>MatchSession</name>
    <message>
        <source>no match is in progress</source>
        <translation>es läuft kein Spiel</translation>
    </message>
    <message>
        <source>the match has no over to play</source>
        <translation>im Spiel ist kein Over mehr zu spielen</translation>
    </message>
    <message>
        <source>a face of %1 is not on the die</source>
        <translation>die Augenzahl %1 gibt es auf dem Würfel nicht</translation>
    </message>
    <message>
        <source>the over has more draws than it took</source>
        <translation>für das Over liegen mehr Zufallswerte vor, als es verbraucht hat</translation>
    </message>
    <message>
        <source>the match store is not open</source>
        <translation>der Spielspeicher ist nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 v %2: day %3, %4, %5 (%6 wickets)</source>
        <translation>%1 gegen %2: Tag %3, %4, %5 (%6 Wickets)</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Paused (Ctrl+Space)</source>
        <translation>Pausiert (Ctrl+Space)</translation>
    </message>
    <message>
        <source>Type a face from 1 to 6, or press ROLL</source>
        <translation>Geben Sie eine Augenzahl von 1 bis 6 ein oder drücken Sie Würfeln</translation>
    </message>
</context>
<context>
    <name>MatchStore</name>
    <message>
        <source>The match history could not be read: %1.</source>
        <translation>Der Verlauf der Spiele konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>%1, test %2</source>
        <translation>%1, Test %2</translation>
    </message>
    <message>
        <source>%1, round %2</source>
        <translation>%1, Runde %2</translation>
    </message>
    <message>
        <source>The match could not be deleted: %1.</source>
        <translation>Das Spiel konnte nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>The match is no longer in the store.</source>
        <translation>Das Spiel ist nicht mehr im Spielspeicher.</translation>
    </message>
    <message>
        <source>the store is in use by another copy of Stumpwell</source>
        <translation>der Spielspeicher wird von einer anderen laufenden Stumpwell-Instanz verwendet</translation>
    </message>
    <message>
        <source>the store or its folder is read-only</source>
        <translation>der Spielspeicher oder sein Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>the store is damaged</source>
        <translation>der Spielspeicher ist beschädigt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the store could not be opened</source>
        <translation>der Spielspeicher konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The folder %1 for the match store could not be created.</source>
        <translation>Der Ordner %1 für den Spielspeicher konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 for the match store cannot be written.</source>
        <translation>Der Ordner %1 für den Spielspeicher ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>belongs to another program</source>
        <translation>gehört zu einem anderen Programm</translation>
    </message>
    <message>
        <source>was written by a newer Stumpwell</source>
        <translation>wurde von einer neueren Stumpwell-Version geschrieben</translation>
    </message>
    <message>
        <source>holds a match this version cannot read</source>
        <translation>enthält ein Spiel, das diese Version nicht lesen kann</translation>
    </message>
    <message>
        <source>The match store %1 could not be opened: %2.</source>
        <translation>Der Spielspeicher %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The match store %1 %2 and could not be moved aside.</source>
        <translation>Der Spielspeicher %1 %2; er konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The match store %1 %2. It was kept as %3, and a new store was started.</source>
        <translation>Der Spielspeicher %1 %2. Er wurde als %3 aufbewahrt, und ein neuer Spielspeicher wurde angelegt.</translation>
    </message>
    <message>
        <source>The match store %1 could not save the new match: %2.</source>
        <translation>Der Spielspeicher %1 konnte das neue Spiel nicht speichern: %2.</translation>
    </message>
    <message>
        <source>The match store %1 could not save over %2: %3.</source>
        <translation>Der Spielspeicher %1 konnte Over %2 nicht speichern: %3.</translation>
    </message>
    <message>
        <source>The match store %1 could not save the match&apos;s status: %2.</source>
        <translation>Der Spielspeicher %1 konnte den Status des Spiels nicht speichern: %2.</translation>
    </message>
    <message>
        <source>the match is not in the store</source>
        <translation>das Spiel ist nicht im Spielspeicher</translation>
    </message>
    <message>
        <source>over %1 is missing</source>
        <translation>Over %1 fehlt</translation>
    </message>
    <message>
        <source>over %1 is damaged</source>
        <translation>Over %1 ist beschädigt</translation>
    </message>
</context>
<context>
    <name>NetLink</name>
    <message>
        <source>This computer cannot listen at port %1: %2.</source>
        <translation>Dieser Computer kann an Port %1 keine Verbindungen annehmen: %2.</translation>
    </message>
    <message>
        <source>Another computer is already in this match.</source>
        <translation>Ein anderer Computer ist bereits in diesem Spiel.</translation>
    </message>
    <message>
        <source>The connection to the other computer was lost.</source>
        <translation>Die Verbindung zum anderen Computer ist abgerissen.</translation>
    </message>
    <message>
        <source>No connection: %1.</source>
        <translation>Keine Verbindung: %1.</translation>
    </message>
    <message>
        <source>The match ended: %1.</source>
        <translation>Das Spiel wurde beendet: %1.</translation>
    </message>
    <message>
        <source>The other computer ended the match.</source>
        <translation>Der andere Computer hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>The host did not answer.</source>
        <translation>Der Gastgeber hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The join code is wrong.</source>
        <translation>Der Beitrittscode ist falsch.</translation>
    </message>
    <message>
        <source>A computer gave a wrong join code.</source>
        <translation>Ein Computer hat einen falschen Beitrittscode genannt.</translation>
    </message>
    <message>
        <source>%1 wrong join codes were given: this computer has stopped listening.</source>
        <translation>%1 falsche Beitrittscodes wurden genannt: Dieser Computer nimmt keine Verbindungen mehr an.</translation>
    </message>
</context>
<context>
    <name>NetMatch</name>
    <message>
        <source>The match ended: the other computer sent a message out of turn or one this one cannot read.</source>
        <translation>Das Spiel wurde beendet: Der andere Computer hat eine Nachricht außer der Reihe gesendet oder eine, die dieser Computer nicht lesen kann.</translation>
    </message>
    <message>
        <source>A join code is 4 to 32 letters (A to Z) and digits.</source>
        <translation>Ein Beitrittscode hat 4 bis 32 Buchstaben (A bis Z) und Ziffern.</translation>
    </message>
    <message>
        <source>The match is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>The other player has given up the match.</source>
        <translation>Der andere Spieler hat das Spiel aufgegeben.</translation>
    </message>
    <message>
        <source>The other player has started another match.</source>
        <translation>Der andere Spieler hat ein anderes Spiel begonnen.</translation>
    </message>
    <message>
        <source>How to reach the other computer of this match is not in the match store.</source>
        <translation>Wie der andere Computer dieses Spiels zu erreichen ist, steht nicht im Spielspeicher.</translation>
    </message>
    <message>
        <source>Waiting for %1 to reconnect…</source>
        <translation>Warten auf die erneute Verbindung von %1…</translation>
    </message>
    <message>
        <source>Comparing this match with the other computer&apos;s…</source>
        <translation>Dieses Spiel wird mit dem des anderen Computers verglichen…</translation>
    </message>
    <message>
        <source>Your turn: %1 to roll</source>
        <translation>Sie sind dran: %1 würfelt</translation>
    </message>
    <message>
        <source>%1 to roll, on the other computer</source>
        <translation>%1 würfelt am anderen Computer</translation>
    </message>
    <message>
        <source>The match ended: the other computer&apos;s sides cannot be read (%1).</source>
        <translation>Das Spiel wurde beendet: Die Mannschaften des anderen Computers können nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The match ended: the other computer played over %1 otherwise than the dice threw it here.</source>
        <translation>Das Spiel wurde beendet: Der andere Computer hat Over %1 anders gespielt, als der Würfel es hier geworfen hat.</translation>
    </message>
    <message>
        <source>The match ended: the other computer changed its part of round %1 of the dice.</source>
        <translation>Das Spiel wurde beendet: Der andere Computer hat seinen Teil von Würfelrunde %1 geändert.</translation>
    </message>
    <message>
        <source>The match ended: %1.</source>
        <translation>Das Spiel wurde beendet: %1.</translation>
    </message>
    <message>
        <source>The two computers&apos; matches differ (%1 overs here, %2 there): the match stops, and neither is changed.</source>
        <translation>Die Spiele der beiden Computer weichen voneinander ab (%1 Overs hier, %2 dort): Das Spiel hält an, und keines der beiden wird verändert.</translation>
    </message>
</context>
<context>
    <name>NetMessage</name>
    <message>
        <source>the other side is not a copy of Stumpwell</source>
        <translation>die Gegenseite ist keine Kopie von Stumpwell</translation>
    </message>
    <message>
        <source>the other copy of Stumpwell speaks version %1 of the match protocol; this one speaks version %2</source>
        <translation>die andere Kopie von Stumpwell spricht Version %1 des Spielprotokolls, diese hier Version %2</translation>
    </message>
    <message>
        <source>a message of an unknown kind (%1) came</source>
        <translation>eine Nachricht unbekannter Art (%1) ist eingetroffen</translation>
    </message>
    <message>
        <source>a message of %1 bytes came; the most is %2</source>
        <translation>eine Nachricht mit %1 Byte ist eingetroffen; höchstens %2 sind erlaubt</translation>
    </message>
</context>
<context>
    <name>NetworkStore</name>
    <message>
        <source>The network match could not be saved</source>
        <translation>Das Netzwerkspiel konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>OverReport</name>
    <message>
        <source>%1 no runs</source>
        <translation>keine Runs für %1</translation>
    </message>
    <message>
        <source>%1 1 run</source>
        <translation>1 Run für %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n runs</source>
        <translation>
            <numerusform>%n Run für %1</numerusform>
            <numerusform>%n Runs für %1</numerusform>
        </translation>
    </message>
    <message>
        <source>appeal against %1, not out, no extras</source>
        <translation>Appeal gegen %1, nicht aus, keine Extras</translation>
    </message>
    <message>
        <source>appeal against %1, not out, 1 extra</source>
        <translation>Appeal gegen %1, nicht aus, 1 Extra</translation>
    </message>
    <message numerus="yes">
        <source>appeal against %1, not out, %n extras</source>
        <translation>
            <numerusform>Appeal gegen %1, nicht aus, %n Extra</numerusform>
            <numerusform>Appeal gegen %1, nicht aus, %n Extras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 out, %2</source>
        <translation>%1 aus, %2</translation>
    </message>
    <message>
        <source>Over %1: rolled %2, %3</source>
        <translation>Over %1: %2 gewürfelt, %3</translation>
    </message>
    <message>
        <source>%1 %2 for %3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagspause</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Teepause</translation>
    </message>
    <message>
        <source>Stumps, day %1</source>
        <translation>Stumps, Tag %1</translation>
    </message>
    <message>
        <source>%1 all out for %2</source>
        <translation>%1 mit %2 Runs alle aus</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Batting</source>
        <translation>Schlagleistungen</translation>
    </message>
    <message>
        <source>No batting from the player file.</source>
        <translation>Keine Schlagleistungen aus der Spielerdatei.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>How Out</source>
        <translation>Wie aus</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Bälle</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>FOW</source>
        <translation>WF</translation>
    </message>
    <message>
        <source>Extras:</source>
        <translation>Extras:</translation>
    </message>
    <message>
        <source>Match Summary</source>
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <source>1st Inns</source>
        <translation>1. Inn.</translation>
    </message>
    <message>
        <source>2nd Inns</source>
        <translation>2. Inn.</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Höhepunkte</translation>
    </message>
    <message>
        <source>Series: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message>
        <source>Test %1: %2</source>
        <translation>Testmatch %1: %2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>League: %1</source>
        <translation>Liga: %1</translation>
    </message>
    <message>
        <source>Fixtures and results</source>
        <translation>Begegnungen und Ergebnisse</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Rekorde: %1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the pages, as in &lt;html lang=&quot;en&quot;&gt;</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>PlayerFile</name>
    <message>
        <source>the file no longer exists</source>
        <translation>die Datei existiert nicht mehr</translation>
    </message>
    <message>
        <source>the file name is not valid</source>
        <translation>der Dateiname ist ungültig</translation>
    </message>
    <message>
        <source>the device reported an input/output error</source>
        <translation>das Gerät meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>permission to use the file was denied</source>
        <translation>der Zugriff auf die Datei wurde verweigert</translation>
    </message>
    <message>
        <source>the file cannot be opened (a folder may stand in its place)</source>
        <translation>die Datei kann nicht geöffnet werden (möglicherweise steht ein Ordner an ihrer Stelle)</translation>
    </message>
    <message>
        <source>the name cannot be stored in the file</source>
        <translation>der Name kann nicht in der Datei gespeichert werden</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
</context>
<context>
    <name>ProductDesign</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Dice cricket for two players at one computer: five-day test matches in which one roll of the die is one over.</source>
        <translation>Würfelcricket für zwei Spieler an einem Computer: fünftägige Testmatches, in denen ein Wurf des Würfels ein Over ist.</translation>
    </message>
    <message>
        <source>Pick the in-built elevens or your own players from the database, toss the coin and roll.</source>
        <translation>Wählen Sie die eingebauten Elfen oder eigene Spieler aus der Datenbank, werfen Sie die Münze und würfeln Sie.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Stumpwell authors. MIT licence. This program comes with no warranty.</source>
        <translation>Copyright 2026 The Stumpwell authors. MIT-Lizenz. Für dieses Programm besteht keine Gewährleistung.</translation>
    </message>
    <message>
        <source>Stumpwell plays five-day test matches with a die: faces 1, 2, 3, 4 and 6 are runs to the batsman on strike, a 5 is an appeal decided against his batting average. It keeps the scorecard of every innings, the match clock, the summary and the highlights, and a database of your own players.

Copyright 2026 The Stumpwell authors. MIT licence.</source>
        <translation>Stumpwell spielt fünftägige Testmatches mit einem Würfel: Die Augen 1, 2, 3, 4 und 6 sind Runs für den Schlagmann am Schlag, eine 5 ist ein Appeal, über den sein Schlagdurchschnitt entscheidet. Es führt die Scorecard jedes Innings, die Spieluhr, die Übersicht und die Höhepunkte sowie eine Datenbank Ihrer eigenen Spieler.

Copyright 2026 The Stumpwell authors. MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Rollcraft</source>
        <translation>Würfelkunst</translation>
    </message>
</context>
<context>
    <name>RandomSource</name>
    <message>
        <source>a draw from 1 to %1 was asked for but none was recorded</source>
        <translation>ein Los von 1 bis %1 wurde verlangt, aber keines war gespeichert</translation>
    </message>
    <message>
        <source>a recorded draw of %1 is outside 1 to %2</source>
        <translation>ein gespeichertes Los von %1 liegt außerhalb von 1 bis %2</translation>
    </message>
</context>
<context>
    <name>SaveWhole</name>
    <message>
        <source>a folder of that name stands there</source>
        <translation>dort steht ein Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
</context>
<context>
    <name>Scorecard</name>
    <message>
        <source>%1 v %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source>Match abandoned on day %1 at %2.</source>
        <translation>Spiel an Tag %1 um %2 abgebrochen.</translation>
    </message>
    <message>
        <source>Match in progress: day %1, %2.</source>
        <translation>Spiel läuft: Tag %1, %2.</translation>
    </message>
</context>
<context>
    <name>ScorecardExport</name>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Nur-Text (*.txt)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Scorecard</source>
        <translation>Scorecard exportieren</translation>
    </message>
    <message>
        <source>The scorecard could not be written to %1: %2.</source>
        <translation>Die Scorecard konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>SeriesScore</name>
    <message>
        <source>Series level %1 with %2 to play</source>
        <translation>Serie ausgeglichen %1, noch %2 zu spielen</translation>
    </message>
    <message>
        <source>Series drawn %1</source>
        <translation>Serie unentschieden %1</translation>
    </message>
    <message>
        <source>%1 lead %2 with %3 to play</source>
        <translation>%1 führt %2, noch %3 zu spielen</translation>
    </message>
    <message>
        <source>%1 win the series %2</source>
        <translation>%1 gewinnt die Serie %2</translation>
    </message>
</context>
<context>
    <name>ShortResult</name>
    <message>
        <source>In progress: day %1, %2</source>
        <translation>Läuft: Tag %1, %2</translation>
    </message>
    <message>
        <source>Abandoned: day %1, %2</source>
        <translation>Abgebrochen: Tag %1, %2</translation>
    </message>
    <message>
        <source>Match drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Match tied</source>
        <translation>Gleichstand</translation>
    </message>
    <message>
        <source>%1 won by 1 run</source>
        <translation>%1 gewann mit 1 Run Vorsprung</translation>
    </message>
    <message numerus="yes">
        <source>%1 won by %n runs</source>
        <translation>
            <numerusform>%1 gewann mit %n Run Vorsprung</numerusform>
            <numerusform>%1 gewann mit %n Runs Vorsprung</numerusform>
        </translation>
    </message>
    <message>
        <source>finished</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>läuft</translation>
    </message>
</context>
<context>
    <name>SideStore</name>
    <message>
        <source>%1 (in-built)</source>
        <translation>%1 (eingebaut)</translation>
    </message>
    <message>
        <source>The match store is not open.</source>
        <translation>Der Spielspeicher ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>A side needs a name.</source>
        <translation>Eine Mannschaft braucht einen Namen.</translation>
    </message>
    <message>
        <source>A side&apos;s name has at most %1 characters.</source>
        <translation>Der Name einer Mannschaft hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A side&apos;s name cannot hold tabs, line breaks or other control characters.</source>
        <translation>Der Name einer Mannschaft darf keine Tabulatoren, Zeilenumbrüche oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>There is already a side of that name.</source>
        <translation>Es gibt bereits eine Mannschaft mit diesem Namen.</translation>
    </message>
    <message>
        <source>A side needs eleven players from the player database.</source>
        <translation>Eine Mannschaft braucht elf Spieler aus der Spielerdatenbank.</translation>
    </message>
    <message>
        <source>The side could not be saved: %1.</source>
        <translation>Die Mannschaft konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The in-built sides cannot be renamed.</source>
        <translation>Die eingebauten Mannschaften können nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>The side is no longer in the match store.</source>
        <translation>Die Mannschaft ist nicht mehr im Spielspeicher.</translation>
    </message>
    <message>
        <source>The side could not be renamed: %1.</source>
        <translation>Die Mannschaft konnte nicht umbenannt werden: %1.</translation>
    </message>
    <message>
        <source>The in-built sides cannot be deleted.</source>
        <translation>Die eingebauten Mannschaften können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The side could not be deleted: %1.</source>
        <translation>Die Mannschaft konnte nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; plays in the league &quot;%2&quot;, which is not finished yet, so it cannot be deleted.</source>
        <translation>„%1“ spielt in der Liga „%2“, die noch nicht beendet ist, und kann daher nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; plays in the series &quot;%2&quot;, which is not finished yet, so it cannot be deleted.</source>
        <translation>„%1“ spielt in der Serie „%2“, die noch nicht beendet ist, und kann daher nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The player database file &quot;%1&quot; does not exist, so the side &quot;%2&quot; cannot play.</source>
        <translation>Die Spielerdatenbank-Datei „%1“ existiert nicht, daher kann die Mannschaft „%2“ nicht spielen.</translation>
    </message>
    <message>
        <source>The player database file &quot;%1&quot; could not be read (%2), so the side &quot;%3&quot; cannot play.</source>
        <translation>Die Spielerdatenbank-Datei „%1“ konnte nicht gelesen werden (%2), daher kann die Mannschaft „%3“ nicht spielen.</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (Datensatz %2)</translation>
    </message>
    <message>
        <source>These players of the side &quot;%1&quot; are no longer in the player database &quot;%2&quot;: %3. The file may have been replaced or cut.</source>
        <translation>Diese Spieler der Mannschaft „%1“ sind nicht mehr in der Spielerdatenbank „%2“: %3. Die Datei wurde möglicherweise ersetzt oder gekürzt.</translation>
    </message>
    <message>
        <source>A side cannot play itself: choose two different sides.</source>
        <translation>Eine Mannschaft kann nicht gegen sich selbst spielen: Wählen Sie zwei verschiedene Mannschaften.</translation>
    </message>
</context>
<context>
    <name>TeamPicker</name>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>Team %1 country</source>
        <translation>Land von Team %1</translation>
    </message>
    <message>
        <source>Available Players:</source>
        <translation>Verfügbare Spieler:</translation>
    </message>
    <message>
        <source>Team %1 available players</source>
        <translation>Verfügbare Spieler von Team %1</translation>
    </message>
    <message>
        <source>Players (In Batting Order):</source>
        <translation>Spieler (in Schlagreihenfolge):</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Schl.</translation>
    </message>
    <message>
        <source>Bowl</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Batting averages of the eleven added up</source>
        <translation>Summe der Schlagdurchschnitte der Elf</translation>
    </message>
    <message>
        <source>Team %1 batting total</source>
        <translation>Schlagsumme von Team %1</translation>
    </message>
    <message>
        <source>The five best bowling averages added up, a player who does not bowl counting 100</source>
        <translation>Summe der fünf besten Wurfdurchschnitte; ein Spieler, der nicht wirft, zählt 100</translation>
    </message>
    <message>
        <source>Team %1 bowling total</source>
        <translation>Wurfsumme von Team %1</translation>
    </message>
    <message>
        <source>Totals: all 11 bat, best 5 bowl</source>
        <translation>Summen: Schlag alle 11, Wurf beste 5</translation>
    </message>
    <message>
        <source>The player database file &quot;%1&quot; does not exist yet, so there are no players to choose from.</source>
        <translation>Die Spielerdatenbank-Datei „%1“ existiert noch nicht, daher gibt es keine Spieler zur Auswahl.</translation>
    </message>
    <message>
        <source>The player database file &quot;%1&quot; could not be read (%2), so no players can be listed.</source>
        <translation>Die Spielerdatenbank-Datei „%1“ konnte nicht gelesen werden (%2), daher können keine Spieler aufgelistet werden.</translation>
    </message>
    <message>
        <source>%1

The Players Database window (Data menu) creates the file when it is missing.</source>
        <translation>%1

Das Fenster „Spielerdatenbank“ (Menü „Daten“) legt die Datei an, wenn sie fehlt.</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be read from the player database (record %2). The file may have changed since the list was filled: choose the country again.</source>
        <translation>Der Spieler „%1“ konnte nicht aus der Spielerdatenbank gelesen werden (Datensatz %2). Die Datei hat sich möglicherweise geändert, seit die Liste gefüllt wurde: Wählen Sie das Land erneut.</translation>
    </message>
</context>
<context>
    <name>TossRules</name>
    <message>
        <source>%1 will toss the coin, %2 will call!</source>
        <translation>%1 wirft die Münze, %2 sagt an!</translation>
    </message>
    <message>
        <source>The result was heads. %1 has won the toss.  Would you like to bat or bowl first?</source>
        <translation>Die Münze zeigt Kopf. %1 hat den Münzwurf gewonnen. Möchten Sie zuerst schlagen oder werfen?</translation>
    </message>
    <message>
        <source>The result was tails. %1 has won the toss.  Would you like to bat or bowl first?</source>
        <translation>Die Münze zeigt Zahl. %1 hat den Münzwurf gewonnen. Möchten Sie zuerst schlagen oder werfen?</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Innings in &amp;Play</source>
        <translation>&amp;Laufendes Innings</translation>
    </message>
    <message>
        <source>&amp;Highlights Summary</source>
        <translation>&amp;Höhepunkte</translation>
    </message>
    <message>
        <source>&amp;Match Summary</source>
        <translation>Spielü&amp;bersicht</translation>
    </message>
    <message>
        <source>&amp;State of Play</source>
        <translation>&amp;Spielstand</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Stumpwell</source>
        <translation>Über Stumpwell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmAddPlayers</name>
    <message>
        <source>Adding A New Player</source>
        <translation>Neuen Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Batting Avg:</source>
        <translation>Schlag-Ø:</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>Schlagdurchschnitt</translation>
    </message>
    <message>
        <source>Bowling Avg:</source>
        <translation>Wurf-Ø:</translation>
    </message>
    <message>
        <source>Bowling average</source>
        <translation>Wurfdurchschnitt</translation>
    </message>
    <message>
        <source>Player Has:</source>
        <translation>Spieler hat:</translation>
    </message>
    <message>
        <source>&amp;Captain Experience</source>
        <translation>&amp;Kapitänserfahrung</translation>
    </message>
    <message>
        <source>&amp;Wicket Keeping Experience</source>
        <translation>&amp;Wicketkeeper-Erfahrung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Name To Short</source>
        <translation>Name zu kurz</translation>
    </message>
    <message>
        <source>Players names must be at least 3 characters or more in length</source>
        <translation>Spielernamen müssen mindestens 3 Zeichen lang sein</translation>
    </message>
    <message>
        <source>Invalid Player Name</source>
        <translation>Ungültiger Spielername</translation>
    </message>
    <message>
        <source>Players names can only hold letters and signs of the Windows-1252 character set, and no control characters such as tabs.  This name cannot be stored.</source>
        <translation>Spielernamen dürfen nur Buchstaben und Zeichen des Zeichensatzes Windows-1252 enthalten, aber keine Steuerzeichen wie Tabulatoren. Dieser Name kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No Country Selected</source>
        <translation>Kein Land ausgewählt</translation>
    </message>
    <message>
        <source>You must choose a country for this player before they can be added to the database</source>
        <translation>Sie müssen für diesen Spieler ein Land wählen, bevor er in die Datenbank aufgenommen werden kann</translation>
    </message>
    <message>
        <source>Invalid Batting Average</source>
        <translation>Ungültiger Schlagdurchschnitt</translation>
    </message>
    <message>
        <source>Batting averages must be whole numbers between 0 and 255 inclusive</source>
        <translation>Schlagdurchschnitte müssen ganze Zahlen von 0 bis einschließlich 255 sein</translation>
    </message>
    <message>
        <source>Invalid Bowling Average</source>
        <translation>Ungültiger Wurfdurchschnitt</translation>
    </message>
    <message>
        <source>Bowling averages must be whole numbers between 0 and 255 inclusive</source>
        <translation>Wurfdurchschnitte müssen ganze Zahlen von 0 bis einschließlich 255 sein</translation>
    </message>
    <message>
        <source>Database Full</source>
        <translation>Datenbank voll</translation>
    </message>
    <message>
        <source>The Basic Players file already holds %1 players, as many as it can hold.  This player was not added.</source>
        <translation>Die Basis-Spielerdatei enthält bereits %1 Spieler, so viele, wie sie fassen kann. Dieser Spieler wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Player Not Added</source>
        <translation>Spieler nicht hinzugefügt</translation>
    </message>
    <message>
        <source>The player could not be written to the Basic Players file: %1 (error %2).  The file has not been changed, and the entry is still in the boxes.</source>
        <translation>Der Spieler konnte nicht in die Basis-Spielerdatei geschrieben werden: %1 (Fehler %2). Die Datei wurde nicht verändert, und die Eingaben stehen noch in den Feldern.</translation>
    </message>
</context>
<context>
    <name>frmChooseSides</name>
    <message>
        <source>Saved Sides</source>
        <translation>Gespeicherte Mannschaften</translation>
    </message>
    <message>
        <source>Side &amp;1:</source>
        <translation>Mannschaft &amp;1:</translation>
    </message>
    <message>
        <source>Side &amp;2:</source>
        <translation>Mannschaft &amp;2:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Choose two different sides.</source>
        <translation>Wählen Sie zwei verschiedene Mannschaften.</translation>
    </message>
</context>
<context>
    <name>frmCompetitions</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Series and Leagues</source>
        <translation>Serien und Ligen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Delete the series &quot;%1&quot;? Its matches stay in the match history as single matches.</source>
        <translation>Die Serie „%1“ löschen? Ihre Spiele bleiben als einzelne Spiele im Spielverlauf.</translation>
    </message>
    <message>
        <source>Delete the league &quot;%1&quot;? Its matches stay in the match history as single matches.</source>
        <translation>Die Liga „%1“ löschen? Ihre Spiele bleiben als einzelne Spiele im Spielverlauf.</translation>
    </message>
</context>
<context>
    <name>frmFOWGraph</name>
    <message>
        <source>Fall of Wickets/Partnership Graph</source>
        <translation>Wicketfall-/Partnerschaftsdiagramm</translation>
    </message>
    <message>
        <source>1. Batter/Batter</source>
        <translation>1. Schlagmann/Schlagmann</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n runs</source>
        <translation>
            <numerusform>%1, %n Run</numerusform>
            <numerusform>%1, %n Runs</numerusform>
        </translation>
    </message>
    <message>
        <source>No partnership of this innings has ended yet.</source>
        <translation>In diesem Innings ist noch keine Partnerschaft beendet.</translation>
    </message>
    <message>
        <source>Partnerships of this innings: %1.</source>
        <translation>Partnerschaften dieses Innings: %1.</translation>
    </message>
</context>
<context>
    <name>frmFoundPlayers</name>
    <message>
        <source>Find Player</source>
        <translation>Spieler suchen</translation>
    </message>
    <message>
        <source>1 player&apos;s name contains “%1”:</source>
        <translation>1 Spielername enthält „%1“:</translation>
    </message>
    <message numerus="yes">
        <source>%n players&apos; names contain “%1”:</source>
        <translation>
            <numerusform>%n Spielername enthält „%1“:</numerusform>
            <numerusform>%n Spielernamen enthalten „%1“:</numerusform>
        </translation>
    </message>
    <message>
        <source>Players found</source>
        <translation>Gefundene Spieler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1, %2, batting %3, bowling %4</source>
        <translation>%1, %2, Schlag-Ø %3, Wurf-Ø %4</translation>
    </message>
</context>
<context>
    <name>frmHighlights</name>
    <message>
        <source>Highlights Summary</source>
        <translation>Höhepunkte</translation>
    </message>
    <message>
        <source>Match highlights</source>
        <translation>Höhepunkte des Spiels</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Match History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Team or player</source>
        <translation>Mannschaft oder Spieler</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Fo&amp;rtsetzen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>&amp;Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Delete the match %1 v %2 and everything recorded from it?</source>
        <translation>Das Spiel %1 gegen %2 und alles, was daraus erfasst wurde, löschen?</translation>
    </message>
    <message>
        <source>It is %1, which becomes unplayed again.</source>
        <translation>Es ist %1; diese Begegnung ist danach erneut zu spielen.</translation>
    </message>
</context>
<context>
    <name>frmHost</name>
    <message>
        <source>This computer has no network address but its own (127.0.0.1); port %1.</source>
        <translation>Dieser Computer hat keine Netzwerkadresse außer seiner eigenen (127.0.0.1); Port %1.</translation>
    </message>
    <message>
        <source>This computer can be reached at %1, port %2.</source>
        <translation>Dieser Computer ist unter %1 erreichbar, Port %2.</translation>
    </message>
    <message>
        <source>Host a Network Match</source>
        <translation>Netzwerkspiel ausrichten</translation>
    </message>
    <message>
        <source>Give the other player this computer&apos;s address, the port and the join code.</source>
        <translation>Geben Sie dem anderen Spieler die Adresse dieses Computers, den Port und den Beitrittscode.</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Ausrichten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>Beitritts&amp;code:</translation>
    </message>
    <message>
        <source>%1
Waiting for the other player…</source>
        <translation>%1
Warten auf den anderen Spieler…</translation>
    </message>
    <message>
        <source>%1
%2
Waiting for the other player…</source>
        <translation>%1
%2
Warten auf den anderen Spieler…</translation>
    </message>
    <message>
        <source>The host stopped hosting.</source>
        <translation>Der Gastgeber hat das Ausrichten abgebrochen.</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>how-to-play.md</source>
        <extracomment>The rules in this language: how-to-play.&lt;language&gt;.md in docs/</extracomment>
        <translation>how-to-play.de.md</translation>
    </message>
</context>
<context>
    <name>frmInnings1</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>How Out</source>
        <translation>Wie aus</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Bälle</translation>
    </message>
    <message>
        <source>Mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>FOW</source>
        <translation>WF</translation>
    </message>
    <message>
        <source>Extras:</source>
        <translation>Extras:</translation>
    </message>
    <message>
        <source>Die face</source>
        <translation>Augenzahl</translation>
    </message>
    <message>
        <source>&amp;ROLL</source>
        <translation>&amp;Würfeln</translation>
    </message>
</context>
<context>
    <name>frmJoin</name>
    <message>
        <source>Join a Network Match</source>
        <translation>Netzwerkspiel beitreten</translation>
    </message>
    <message>
        <source>a name, or an IPv4 or IPv6 address</source>
        <translation>ein Name oder eine IPv4- oder IPv6-Adresse</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Gastgeber:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Join &amp;code:</source>
        <translation>Beitritts&amp;code:</translation>
    </message>
    <message>
        <source>Type the host&apos;s name or address.</source>
        <translation>Geben Sie Namen oder Adresse des Gastgebers ein.</translation>
    </message>
    <message>
        <source>Joining %1 at port %2…</source>
        <translation>Beitritt zu %1 an Port %2…</translation>
    </message>
    <message>
        <source>The other player stopped joining.</source>
        <translation>Der andere Spieler hat den Beitritt abgebrochen.</translation>
    </message>
</context>
<context>
    <name>frmLeague</name>
    <message>
        <source>Play &amp;Next Fixture</source>
        <translation>&amp;Nächste Begegnung spielen</translation>
    </message>
    <message>
        <source>&amp;Simulate Computer Fixtures</source>
        <translation>Computerbegegnungen &amp;simulieren</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>League: %1</source>
        <translation>Liga: %1</translation>
    </message>
    <message>
        <source>Simulating the computer&apos;s fixtures…</source>
        <translation>Die Begegnungen des Computers werden simuliert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The fixtures could not all be simulated: %1</source>
        <translation>Nicht alle Begegnungen konnten simuliert werden: %1</translation>
    </message>
    <message>
        <source>Export League</source>
        <translation>Liga exportieren</translation>
    </message>
</context>
<context>
    <name>frmMatchSummary</name>
    <message>
        <source>Match Summary</source>
        <translation>Spielübersicht</translation>
    </message>
</context>
<context>
    <name>frmNewLeague</name>
    <message>
        <source>New League</source>
        <translation>Neue Liga</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Spielt</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Each pair once</source>
        <translation>Jede Paarung einmal</translation>
    </message>
    <message>
        <source>Each pair twice</source>
        <translation>Jede Paarung zweimal</translation>
    </message>
    <message>
        <source>League %1</source>
        <translation>Liga %1</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation>&amp;Runden:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>frmNewSeries</name>
    <message>
        <source>New Series</source>
        <translation>Neue Serie</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Side &amp;1:</source>
        <translation>Mannschaft &amp;1:</translation>
    </message>
    <message>
        <source>Side &amp;2:</source>
        <translation>Mannschaft &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Tests:</source>
        <translation>&amp;Testmatches:</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Wer spielt:</translation>
    </message>
    <message>
        <source>&amp;Your side:</source>
        <translation>&amp;Ihre Mannschaft:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>%1 v %2 %3</source>
        <translation>%1 gegen %2 %3</translation>
    </message>
</context>
<context>
    <name>frmNewSide</name>
    <message>
        <source>New Side</source>
        <translation>Neue Mannschaft</translation>
    </message>
    <message>
        <source>Side &amp;name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Undo Pick</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last player picked (Backspace)</source>
        <translation>Den zuletzt gewählten Spieler zurücknehmen (Backspace)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
</context>
<context>
    <name>frmPlayers</name>
    <message>
        <source>Players Database</source>
        <translation>Spielerdatenbank</translation>
    </message>
    <message>
        <source>Players in the database:</source>
        <translation>Spieler in der Datenbank:</translation>
    </message>
    <message>
        <source>&amp;Add New Player</source>
        <translation>&amp;Neuer Spieler</translation>
    </message>
    <message>
        <source>&amp;Find Player</source>
        <translation>Spieler s&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Basic Players Database was not found</source>
        <translation>Die Basis-Spielerdatenbank wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The Basic Players file does not exist.  It will be created now will no players in it.  You will now be able to enter players into the Basic Players Database</source>
        <translation>Die Basis-Spielerdatei existiert nicht. Sie wird jetzt ohne Spieler angelegt. Danach können Sie Spieler in die Basis-Spielerdatenbank eintragen.</translation>
    </message>
    <message>
        <source>The Basic Players file is shorter than one record, so it holds no player.  The next player you add will be written after a new header that replaces what the file holds now.</source>
        <translation>Die Basis-Spielerdatei ist kürzer als ein Datensatz und enthält daher keinen Spieler. Der nächste Spieler, den Sie hinzufügen, wird hinter einen neuen Dateikopf geschrieben, der den jetzigen Inhalt der Datei ersetzt.</translation>
    </message>
    <message>
        <source>The Basic Players file ends with part of a record, which is not a whole player and is not counted.  The next player you add will be written in its place.</source>
        <translation>Die Basis-Spielerdatei endet mit einem Teil eines Datensatzes; das ist kein ganzer Spieler und wird nicht mitgezählt. Der nächste Spieler, den Sie hinzufügen, wird an seine Stelle geschrieben.</translation>
    </message>
    <message>
        <source>Basic Players Database is damaged</source>
        <translation>Die Basis-Spielerdatenbank ist beschädigt</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>An error %1 has occured in Form_Load, frmPlayers.  Program will end.  Please report this error to the programmer</source>
        <translation>In Form_Load, frmPlayers ist der Fehler %1 aufgetreten. Das Programm wird beendet. Bitte melden Sie diesen Fehler dem Programmierer.</translation>
    </message>
    <message>
        <source>Find Player</source>
        <translation>Spieler suchen</translation>
    </message>
    <message>
        <source>Type all or part of the player&apos;s name:</source>
        <translation>Geben Sie den Namen des Spielers ganz oder teilweise ein:</translation>
    </message>
    <message>
        <source>The Basic Players file could not be read: %1.</source>
        <translation>Die Basis-Spielerdatei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No player&apos;s name contains “%1”.</source>
        <translation>Kein Spielername enthält „%1“.</translation>
    </message>
</context>
<context>
    <name>frmRecords</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <source>&amp;Filter by team:</source>
        <translation>Nach Team &amp;filtern:</translation>
    </message>
    <message>
        <source>&amp;Team</source>
        <translation>&amp;Team</translation>
    </message>
    <message>
        <source>&amp;Batting</source>
        <translation>&amp;Schlagen</translation>
    </message>
    <message>
        <source>&amp;Partnerships</source>
        <translation>&amp;Partnerschaften</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>In-built teams add no individual records.</source>
        <translation>Eingebaute Teams liefern keine Einzelrekorde.</translation>
    </message>
    <message>
        <source>Export Records</source>
        <translation>Rekorde exportieren</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>Replay: %1</source>
        <translation>Wiederholung: %1</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>frmResult</name>
    <message>
        <source>End of Test Match</source>
        <translation>Ende des Testmatches</translation>
    </message>
    <message>
        <source>The Result Of</source>
        <translation>Das Ergebnis von</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Between the two team names: versus.</extracomment>
        <translation>gegen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmScorecard</name>
    <message>
        <source>Scorecard - %1</source>
        <translation>Scorecard - %1</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Wiederholung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The match could not be opened: %1.</source>
        <translation>Das Spiel konnte nicht geöffnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>frmSeries</name>
    <message>
        <source>Play &amp;Next Test</source>
        <translation>&amp;Nächstes Testmatch spielen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Batting in this series</source>
        <translation>Schlagleistungen in dieser Serie</translation>
    </message>
    <message>
        <source>Series: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message>
        <source>Export Series</source>
        <translation>Serie exportieren</translation>
    </message>
</context>
<context>
    <name>frmSide</name>
    <message>
        <source>Choose Your Side</source>
        <translation>Mannschaft wählen</translation>
    </message>
    <message>
        <source>Which side will you play?</source>
        <translation>Welche Mannschaft spielen Sie?</translation>
    </message>
</context>
<context>
    <name>frmSides</name>
    <message>
        <source>Sides</source>
        <translation>Mannschaften</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Rename Side</source>
        <translation>Mannschaft umbenennen</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>Neuer Name für „%1“:</translation>
    </message>
    <message>
        <source>Delete the side &quot;%1&quot;?</source>
        <translation>Die Mannschaft „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>frmState</name>
    <message>
        <source>State of Play</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Session:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Overs Today</source>
        <translation>Overs heute</translation>
    </message>
    <message>
        <source>Overs Remaining:</source>
        <translation>Restliche Overs:</translation>
    </message>
</context>
<context>
    <name>frmStats</name>
    <message>
        <source>Player Statistics</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <source>All teams</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <source>&amp;Team:</source>
        <translation>&amp;Team:</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Statistik exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The statistics could not be written to %1: %2.</source>
        <translation>Die Statistik konnte nicht in %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>frmTeamMode</name>
    <message>
        <source>Use Game Teams or Select from Database</source>
        <translation>Eingebaute Teams oder Auswahl aus der Datenbank</translation>
    </message>
    <message>
        <source>Would you like to the use the in-built teams or choose teams and players from the database?  If you use the in-built teams, no statistics will be recorded for the match.</source>
        <translation>Möchten Sie die eingebauten Teams verwenden oder Teams und Spieler aus der Datenbank wählen? Mit den eingebauten Teams wird für das Spiel keine Statistik erfasst.</translation>
    </message>
    <message>
        <source>&amp;In-built Teams</source>
        <translation>&amp;Eingebaute Teams</translation>
    </message>
    <message>
        <source>&amp;Choose teams manually</source>
        <translation>&amp;Teams manuell wählen</translation>
    </message>
    <message>
        <source>&amp;Saved Sides…</source>
        <translation>&amp;Gespeicherte Mannschaften…</translation>
    </message>
    <message>
        <source>Saved Sides</source>
        <translation>Gespeicherte Mannschaften</translation>
    </message>
</context>
<context>
    <name>frmTeamSelection</name>
    <message>
        <source>Team Selection</source>
        <translation>Teamauswahl</translation>
    </message>
    <message>
        <source>Team &amp;1</source>
        <translation>Team &amp;1</translation>
    </message>
    <message>
        <source>Team &amp;2</source>
        <translation>Team &amp;2</translation>
    </message>
    <message>
        <source>&amp;Undo Pick</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last player picked (Backspace)</source>
        <translation>Den zuletzt gewählten Spieler zurücknehmen (Backspace)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmToss</name>
    <message>
        <source>frmToss</source>
        <extracomment>Title bar of the toss window.</extracomment>
        <translation>Münzwurf</translation>
    </message>
    <message>
        <source>&amp;Heads</source>
        <translation>&amp;Kopf</translation>
    </message>
    <message>
        <source>&amp;Tails</source>
        <translation>&amp;Zahl</translation>
    </message>
    <message>
        <source>&amp;Bat</source>
        <translation>&amp;Schlagen</translation>
    </message>
    <message>
        <source>B&amp;owl</source>
        <translation>&amp;Werfen</translation>
    </message>
    <message>
        <source>Waiting for %1 to call.</source>
        <translation>Warten auf die Wahl von %1.</translation>
    </message>
    <message>
        <source>%1 calls heads.</source>
        <translation>%1 wählt Kopf.</translation>
    </message>
    <message>
        <source>%1 calls tails.</source>
        <translation>%1 wählt Zahl.</translation>
    </message>
    <message>
        <source>Waiting for %1 to choose.</source>
        <translation>Warten auf die Entscheidung von %1.</translation>
    </message>
    <message>
        <source>%1 chooses to bat.</source>
        <translation>%1 entscheidet sich für Schlagen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Statistics rebuilt from the logs of %1 matches in %2.</source>
        <translation>Statistik aus den Protokollen von %1 Spielen in %2 neu aufgebaut.</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>S&amp;ofort</translation>
    </message>
    <message>
        <source>Game &gt; Dice (Basic) &gt; Human v Human (Ctrl+F1) starts a match.</source>
        <translation>Spiel &gt; Würfel (Basis) &gt; Mensch gegen Mensch (Ctrl+F1) startet ein Spiel.</translation>
    </message>
    <message>
        <source>&amp;Human v Human</source>
        <translation>&amp;Mensch gegen Mensch</translation>
    </message>
    <message>
        <source>H&amp;uman v CPU</source>
        <translation>M&amp;ensch gegen Computer</translation>
    </message>
    <message>
        <source>&amp;CPU v CPU</source>
        <translation>&amp;Computer gegen Computer</translation>
    </message>
    <message>
        <source>&amp;Host…</source>
        <translation>&amp;Ausrichten…</translation>
    </message>
    <message>
        <source>&amp;Join…</source>
        <translation>&amp;Beitreten…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;FOW Chart</source>
        <translation>&amp;WF-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Players Database</source>
        <translation>Spieler&amp;datenbank</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Stumpwell</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Si&amp;des</source>
        <translation>&amp;Mannschaften</translation>
    </message>
    <message>
        <source>Match &amp;History</source>
        <translation>Spiel&amp;verlauf</translation>
    </message>
    <message>
        <source>Player &amp;Statistics</source>
        <translation>Spieler&amp;statistik</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Rekorde</translation>
    </message>
    <message>
        <source>&amp;Export Scorecard…</source>
        <translation>Scorecard &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Scorecard &amp;drucken…</translation>
    </message>
    <message>
        <source>New Se&amp;ries…</source>
        <translation>Neue &amp;Serie…</translation>
    </message>
    <message>
        <source>New &amp;League…</source>
        <translation>Neue &amp;Liga…</translation>
    </message>
    <message>
        <source>Series and &amp;Leagues</source>
        <translation>Serien und &amp;Ligen</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Dice (Basic)</source>
        <translation>&amp;Würfel (Basis)</translation>
    </message>
    <message>
        <source>&amp;Network Match</source>
        <translation>&amp;Netzwerkspiel</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>Dia&amp;gramme</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>A match is in progress. Abandon it and start a new match?</source>
        <translation>Ein Spiel läuft. Abbrechen und ein neues Spiel starten?</translation>
    </message>
    <message>
        <source>Stumpwell (not saving)</source>
        <translation>Stumpwell (speichert nicht)</translation>
    </message>
    <message>
        <source>%1

Play goes on, but matches are not saved.</source>
        <translation>%1

Es wird weitergespielt, aber die Spiele werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Resume the match in progress?</source>
        <translation>Laufendes Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>The saved match could not be resumed: %1.</source>
        <translation>Das gespeicherte Spiel konnte nicht fortgesetzt werden: %1.</translation>
    </message>
    <message>
        <source>The match store is %1; the match stays there, marked damaged.</source>
        <translation>Der Spielspeicher ist %1; das Spiel bleibt dort, als beschädigt markiert.</translation>
    </message>
    <message>
        <source>The match store is not open.</source>
        <translation>Der Spielspeicher ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The match could not be replayed: %1.</source>
        <translation>Das Spiel konnte nicht als Wiederholung geöffnet werden: %1.</translation>
    </message>
</context>
</TS>
