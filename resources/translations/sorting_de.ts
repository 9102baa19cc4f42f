<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Code</name>
    <message>
        <source>for pass = 1 to n - 1</source>
        <translation>für durchlauf = 1 bis n - 1</translation>
    </message>
    <message>
        <source>  for i = 1 to n - pass</source>
        <translation>  für i = 1 bis n - durchlauf</translation>
    </message>
    <message>
        <source>    if item i &gt; item i + 1</source>
        <translation>    wenn Element i &gt; Element i + 1</translation>
    </message>
    <message>
        <source>      exchange items i and i + 1</source>
        <translation>      vertausche Elemente i und i + 1</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>durchlauf</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>m = the largest item: read every item</source>
        <translation>m = das größte Element: lies jedes Element</translation>
    </message>
    <message>
        <source>for i = 1 to n: copy item i out to bucket b = floor(n × item i / m), at most n - 1</source>
        <translation>für i = 1 bis n: kopiere Element i in Eimer b = abrunden(n × Element i / m), höchstens n - 1</translation>
    </message>
    <message>
        <source>for each bucket b in turn, write its copies back, from item k on</source>
        <translation>für jeden Eimer b der Reihe nach: schreibe seine Kopien zurück, ab Element k</translation>
    </message>
    <message>
        <source>sort the items of each bucket b by insertion</source>
        <translation>sortiere die Elemente jedes Eimers b durch Einfügen</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>for k = n / 2 down to 1: sink item k within 1..n</source>
        <translation>für k = n / 2 abwärts bis 1: versickere Element k in 1..n</translation>
    </message>
    <message>
        <source>for last = n down to 2</source>
        <translation>für ende = n abwärts bis 2</translation>
    </message>
    <message>
        <source>  exchange items 1 and last; sink item 1 within 1..last - 1</source>
        <translation>  vertausche Elemente 1 und ende; versickere Element 1 in 1..ende - 1</translation>
    </message>
    <message>
        <source>sink item k within 1..last: while 2k &lt;= last</source>
        <translation>versickere Element k in 1..ende: solange 2k &lt;= ende</translation>
    </message>
    <message>
        <source>  j = 2k; if j &lt; last and item j &lt; item j + 1: j = j + 1</source>
        <translation>  j = 2k; wenn j &lt; ende und Element j &lt; Element j + 1: j = j + 1</translation>
    </message>
    <message>
        <source>  if not item k &lt; item j: stop</source>
        <translation>  wenn nicht Element k &lt; Element j: halt</translation>
    </message>
    <message>
        <source>  exchange items k and j; k = j</source>
        <translation>  vertausche Elemente k und j; k = j</translation>
    </message>
    <message>
        <source>j</source>
        <translation>j</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ende</translation>
    </message>
    <message>
        <source>for i = 2 to n</source>
        <translation>für i = 2 bis n</translation>
    </message>
    <message>
        <source>    exchange items j - 1 and j; j = j - 1</source>
        <translation>    vertausche Elemente j - 1 und j; j = j - 1</translation>
    </message>
    <message>
        <source>take the next part lo..hi, the whole array first, at depth 2 floor(log2 n)</source>
        <translation>nimm den nächsten Teil lo..hi, zuerst das ganze Feld, mit tiefe 2 abrunden(log2 n)</translation>
    </message>
    <message>
        <source>  if it has 16 items or fewer: sort it by insertion</source>
        <translation>  wenn er 16 Elemente oder weniger hat: sortiere ihn durch Einfügen</translation>
    </message>
    <message>
        <source>  else if its depth is 0: sort it by heap sort</source>
        <translation>  sonst wenn seine tiefe 0 ist: sortiere ihn mit Heapsort</translation>
    </message>
    <message>
        <source>  else: bring the median of items lo, (lo + hi) / 2 and hi to hi</source>
        <translation>  sonst: bringe den Median der Elemente lo, (lo + hi) / 2 und hi nach hi</translation>
    </message>
    <message>
        <source>lo</source>
        <translation>lo</translation>
    </message>
    <message>
        <source>hi</source>
        <translation>hi</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>tiefe</translation>
    </message>
    <message>
        <source>  if it has three items or more: mid = (lo + hi) / 2</source>
        <translation>  wenn er drei Elemente oder mehr hat: mid = (lo + hi) / 2</translation>
    </message>
    <message>
        <source>    order items lo, mid and hi, exchanging two where they are out of order</source>
        <translation>    ordne die Elemente lo, mid und hi, vertausche zwei, wo sie falsch stehen</translation>
    </message>
    <message>
        <source>    exchange items mid and hi: the median of the three is the pivot</source>
        <translation>    vertausche Elemente mid und hi: der Median der drei ist das pivot</translation>
    </message>
    <message>
        <source>    i = i + 1; exchange items i and j unless they are one</source>
        <translation>    i = i + 1; vertausche Elemente i und j, außer sie sind dasselbe</translation>
    </message>
    <message>
        <source>  exchange items i + 1 and hi unless they are one: the pivot is in place</source>
        <translation>  vertausche Elemente i + 1 und hi, außer sie sind dasselbe: das pivot steht</translation>
    </message>
    <message>
        <source>mid</source>
        <translation>mid</translation>
    </message>
    <message>
        <source>pivot</source>
        <translation>pivot</translation>
    </message>
    <message>
        <source>for width = 1, 2, 4, ... below n</source>
        <translation>für breite = 1, 2, 4, ... unter n</translation>
    </message>
    <message>
        <source>  for lo = 1, 1 + 2 width, ...: mid = lo + width - 1, hi = lo + 2 width - 1 or n</source>
        <translation>  für lo = 1, 1 + 2 breite, ...: mid = lo + breite - 1, hi = lo + 2 breite - 1 oder n</translation>
    </message>
    <message>
        <source>    for k = lo to hi</source>
        <translation>    für k = lo bis hi</translation>
    </message>
    <message>
        <source>      compare the copies left at both ends</source>
        <translation>      vergleiche die übrigen Kopien an beiden Enden</translation>
    </message>
    <message>
        <source>      write the smaller at item k, the right one where they are equal</source>
        <translation>      schreibe die kleinere auf Element k, bei Gleichheit die rechte</translation>
    </message>
    <message>
        <source>width</source>
        <translation>breite</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1: a run ends at i where item i + 1 &lt; item i</source>
        <translation>für i = 1 bis n - 1: ein Lauf endet bei i, wo Element i + 1 &lt; Element i</translation>
    </message>
    <message>
        <source>while more than one run: merge the first with the second, the third with the fourth, ...</source>
        <translation>solange mehr als ein Lauf: verschmelze den ersten mit dem zweiten, den dritten mit dem vierten, ...</translation>
    </message>
    <message>
        <source>  while copies and right items are left: if item j &lt; copy i</source>
        <translation>  solange Kopien und rechte Elemente übrig sind: wenn Element j &lt; Kopie i</translation>
    </message>
    <message>
        <source>    write item j at item k, else copy i, the left one where they are equal</source>
        <translation>    schreibe Element j auf Element k, sonst Kopie i, bei Gleichheit die linke</translation>
    </message>
    <message>
        <source>  write the copies left; the rest of the right run is in place</source>
        <translation>  schreibe die übrigen Kopien; der Rest des rechten Laufs steht schon</translation>
    </message>
    <message>
        <source>    if item j &lt;= pivot</source>
        <translation>    wenn Element j &lt;= pivot</translation>
    </message>
    <message>
        <source>      i = i + 1; exchange items i and j unless they are one</source>
        <translation>      i = i + 1; vertausche Elemente i und j, außer sie sind dasselbe</translation>
    </message>
    <message>
        <source>for pass = 1 to 4, a byte of each item&apos;s pattern, the least significant first</source>
        <translation>für durchlauf = 1 bis 4, ein Byte des Bitmusters jedes Elements, das niedrigste zuerst</translation>
    </message>
    <message>
        <source>  for i = 1 to n: read the byte of item i, and count it</source>
        <translation>  für i = 1 bis n: lies das Byte von Element i und zähle es</translation>
    </message>
    <message>
        <source>  for i = 1 to n: move item i to the next place for its byte in the scratch area</source>
        <translation>  für i = 1 bis n: bringe Element i auf den nächsten Platz für sein Byte im Hilfsbereich</translation>
    </message>
    <message>
        <source>  for i = 1 to n: copy place i of the scratch area back to item i</source>
        <translation>  für i = 1 bis n: kopiere Platz i des Hilfsbereichs zurück auf Element i</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1</source>
        <translation>für i = 1 bis n - 1</translation>
    </message>
    <message>
        <source>    if item j &lt; item min: min = j</source>
        <translation>    wenn Element j &lt; Element min: min = j</translation>
    </message>
    <message>
        <source>  exchange items min and i</source>
        <translation>  vertausche Elemente min und i</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>  for i = h + 1 to n</source>
        <translation>  für i = h + 1 bis n</translation>
    </message>
    <message>
        <source>    for j = i, i - h, ... while j &gt; h</source>
        <translation>    für j = i, i - h, ... solange j &gt; h</translation>
    </message>
    <message>
        <source>      if not item j &lt; item j - h: next i</source>
        <translation>      wenn nicht Element j &lt; Element j - h: nächstes i</translation>
    </message>
    <message>
        <source>      exchange items j and j - h</source>
        <translation>      vertausche Elemente j und j - h</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>    if item i &lt; item lt: exchange items lt and i; lt = lt + 1; i = i + 1</source>
        <translation>    wenn Element i &lt; Element lt: vertausche Elemente lt und i; lt = lt + 1; i = i + 1</translation>
    </message>
    <message>
        <source>lt</source>
        <translation>lt</translation>
    </message>
    <message>
        <source>gt</source>
        <translation>gt</translation>
    </message>
    <message>
        <source>  j = i; while item j - 1 &gt; item j (element 0 holds 0)</source>
        <translation>  j = i; solange Element j - 1 &gt; Element j (Element 0 hält 0)</translation>
    </message>
    <message>
        <source>    partition around it as quick sort does; both parts wait, one less deep, the left first</source>
        <translation>    zerlege um ihn herum wie Quicksort; beide Teile warten, eine Tiefe weniger, der linke zuerst</translation>
    </message>
    <message>
        <source>take the next part lo..hi of two items or more: the whole array, then the left parts first</source>
        <translation>nimm den nächsten Teil lo..hi mit zwei Elementen oder mehr: das ganze Feld, dann die linken Teile zuerst</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1: if item j &lt;= pivot</source>
        <translation>  pivot = Element hi; i = lo - 1; für j = lo bis hi - 1: wenn Element j &lt;= pivot</translation>
    </message>
    <message>
        <source>    copy items lo..mid out</source>
        <translation>    kopiere Elemente lo..mid heraus</translation>
    </message>
    <message>
        <source>    copy items mid + 1..hi out after them, reversed: item mid + 1 last</source>
        <translation>    kopiere Elemente mid + 1..hi dahinter heraus, umgekehrt: Element mid + 1 zuletzt</translation>
    </message>
    <message>
        <source>  copy the left run, items lo..mid, out; i = lo, j = mid + 1, k = lo</source>
        <translation>  kopiere den linken Lauf, Elemente lo..mid, heraus; i = lo, j = mid + 1, k = lo</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1</source>
        <translation>  pivot = Element hi; i = lo - 1; für j = lo bis hi - 1</translation>
    </message>
    <message>
        <source>  min = i; for j = i + 1 to n</source>
        <translation>  min = i; für j = i + 1 bis n</translation>
    </message>
    <message>
        <source>for h = the first of 1, 4, 13, ... at least n / 3 rounded down, then h / 3, ..., 1</source>
        <translation>für h = das erste von 1, 4, 13, ... mindestens n / 3 abgerundet, dann h / 3, ..., 1</translation>
    </message>
    <message>
        <source>  lt = lo, gt = hi, i = lo + 1; while i &lt;= gt</source>
        <translation>  lt = lo, gt = hi, i = lo + 1; solange i &lt;= gt</translation>
    </message>
    <message>
        <source>    else if item lt &lt; item i: exchange items i and gt unless one, gt = gt - 1; else i = i + 1</source>
        <translation>    sonst wenn Element lt &lt; Element i: vertausche i und gt, außer dasselbe, gt = gt - 1; sonst i = i + 1</translation>
    </message>
</context>
<context>
    <name>QuestionWords</name>
    <message>
        <source>Will these two, items %1 and %2, be exchanged?</source>
        <translation>Werden diese beiden, Elemente %1 und %2, vertauscht?</translation>
    </message>
    <message>
        <source>Where will item %1 land? Click the place, then press Enter.</source>
        <translation>Wo landet Element %1? Klicke die Stelle an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Which item will it pick as the smallest, for place %1? Click it, then press Enter.</source>
        <translation>Welches Element wählt es als kleinstes für Stelle %1? Klicke es an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Which value is written next, to place %1? Click a copy in the strip or a bar of that value, then press Enter.</source>
        <translation>Welcher Wert wird als Nächstes an Stelle %1 geschrieben? Klicke eine Kopie im Streifen oder einen Balken mit diesem Wert an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Where does the pivot, item %1, land? Click the place, then press Enter.</source>
        <translation>Wo landet das Pivotelement, Element %1? Klicke die Stelle an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Which two does it exchange next? Click both, then press Enter.</source>
        <translation>Welche beiden vertauscht es als Nächstes? Klicke beide an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Which child does item %1 sink to? Click it, then press Enter.</source>
        <translation>Zu welchem Kind sinkt Element %1? Klicke es an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Where does item %1 go in this pass? Click its place, then press Enter.</source>
        <translation>Wohin kommt Element %1 in diesem Durchlauf? Klicke seine Stelle an, dann Eingabe.</translation>
    </message>
    <message>
        <source>Which bucket does item %1 go to? Choose its number, then press Enter.</source>
        <translation>In welchen Eimer kommt Element %1? Wähle seine Nummer, dann Eingabe.</translation>
    </message>
    <message>
        <source>Not quite: they are exchanged.</source>
        <translation>Nicht ganz: Sie werden vertauscht.</translation>
    </message>
    <message>
        <source>Not quite: they stay as they are.</source>
        <translation>Nicht ganz: Sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Not quite: it lands at place %1.</source>
        <translation>Nicht ganz: Es landet an Stelle %1.</translation>
    </message>
    <message>
        <source>Not quite: it picks item %1.</source>
        <translation>Nicht ganz: Es wählt Element %1.</translation>
    </message>
    <message>
        <source>Not quite: it writes %1.</source>
        <translation>Nicht ganz: Es schreibt %1.</translation>
    </message>
    <message>
        <source>Not quite: the pivot lands at place %1.</source>
        <translation>Nicht ganz: Das Pivotelement landet an Stelle %1.</translation>
    </message>
    <message>
        <source>Not quite: it exchanges items %1 and %2.</source>
        <translation>Nicht ganz: Es vertauscht die Elemente %1 und %2.</translation>
    </message>
    <message>
        <source>Not quite: it sinks to item %1.</source>
        <translation>Nicht ganz: Es sinkt zu Element %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to place %1.</source>
        <translation>Nicht ganz: Es kommt an Stelle %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to bucket %1.</source>
        <translation>Nicht ganz: Es kommt in Eimer %1.</translation>
    </message>
    <message>
        <source>exchanged or not</source>
        <translation>vertauscht oder nicht</translation>
    </message>
    <message>
        <source>where it lands</source>
        <translation>wo es landet</translation>
    </message>
    <message>
        <source>the smallest</source>
        <translation>das kleinste</translation>
    </message>
    <message>
        <source>the value written</source>
        <translation>der geschriebene Wert</translation>
    </message>
    <message>
        <source>where the pivot lands</source>
        <translation>wo das Pivotelement landet</translation>
    </message>
    <message>
        <source>the next exchange</source>
        <translation>der nächste Tausch</translation>
    </message>
    <message>
        <source>the child</source>
        <translation>das Kind</translation>
    </message>
    <message>
        <source>less, equal or greater</source>
        <translation>kleiner, gleich oder größer</translation>
    </message>
    <message>
        <source>where it goes</source>
        <translation>wohin es kommt</translation>
    </message>
    <message>
        <source>the bucket</source>
        <translation>der Eimer</translation>
    </message>
    <message>
        <source>Not quite: it is less than the pivot.</source>
        <translation>Nicht ganz: Es ist kleiner als das Pivotelement.</translation>
    </message>
    <message>
        <source>Not quite: it is greater than the pivot.</source>
        <translation>Nicht ganz: Es ist größer als das Pivotelement.</translation>
    </message>
    <message>
        <source>Not quite: it is equal to the pivot.</source>
        <translation>Nicht ganz: Es ist gleich dem Pivotelement.</translation>
    </message>
    <message>
        <source>Is item %1 less than, equal to or greater than the pivot, item %2?</source>
        <translation>Ist Element %1 kleiner als das Pivotelement, Element %2, gleich oder größer?</translation>
    </message>
</context>
<context>
    <name>RaceWindow</name>
    <message>
        <source>Sorting Race</source>
        <translation>Sortier-Wettrennen</translation>
    </message>
    <message>
        <source>&amp;Items:</source>
        <translation>&amp;Elemente:</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Anzahl der Elemente</translation>
    </message>
    <message>
        <source>How many items race, 1 to 2000, or the items themselves: 2 to 2000 numbers such as 5 3 8 1 9; press Enter to take them</source>
        <translation>Wie viele Elemente antreten, 1 bis 2000, oder die Elemente selbst: 2 bis 2000 Zahlen wie 5 3 8 1 9; mit Eingabe übernehmen</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <source>Initial order</source>
        <translation>Anfangsanordnung</translation>
    </message>
    <message>
        <source>How the items stand before the race</source>
        <translation>Wie die Elemente vor dem Rennen stehen</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Zufalls-Startwert</translation>
    </message>
    <message>
        <source>The same seed, count and order give the same items; press Enter to take it</source>
        <translation>Gleicher Startwert, gleiche Anzahl und Anordnung ergeben dieselben Elemente; mit Eingabe übernehmen</translation>
    </message>
    <message>
        <source>New items</source>
        <translation>Neue Elemente</translation>
    </message>
    <message>
        <source>Draw new random items with a new seed</source>
        <translation>Neue zufällige Elemente mit neuem Startwert ziehen</translation>
    </message>
    <message>
        <source>&amp;Methods:</source>
        <translation>&amp;Verfahren:</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>Which methods race: two or more</source>
        <translation>Welche Verfahren antreten: zwei oder mehr</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start or pause the race (Space)</source>
        <translation>Rennen starten oder anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Every method goes back by one step (Left); hold to go on back</source>
        <translation>Jedes Verfahren geht einen Schritt zurück (Links); halten, um weiter zurückzugehen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Every method goes on by one step (Right); hold to go on</source>
        <translation>Jedes Verfahren geht einen Schritt weiter (Rechts); halten, um weiterzugehen</translation>
    </message>
    <message>
        <source>S&amp;peed:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Steps per second, on a logarithmic scale (+ and -)</source>
        <translation>Schritte pro Sekunde, auf logarithmischer Skala (+ und -)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Back to the start with the same items (R)</source>
        <translation>Zurück zum Anfang mit denselben Elementen (R)</translation>
    </message>
    <message>
        <source>So&amp;und</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Vorhersagen</translation>
    </message>
    <message>
        <source>Marked: in black the two items compared, in amber the items moved or written</source>
        <translation>Markiert: schwarz die zwei verglichenen Elemente, bernsteinfarben die bewegten oder geschriebenen</translation>
    </message>
    <message>
        <source>Click a panel, or Tab to it and press Enter, to see its code beside the bars; Esc to leave it</source>
        <translation>Ein Feld anklicken oder mit Tab hingehen und Eingabe drücken, um seinen Code neben den Balken zu sehen; Esc zum Verlassen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>The race on the whole screen, for a projector (F11); Ctrl and plus or minus make every text and mark larger or smaller, Ctrl and 0 as usual</source>
        <translation>Das Rennen auf dem ganzen Bildschirm, für einen Beamer (F11); Strg und Plus oder Minus machen alle Texte und Markierungen größer oder kleiner, Strg und 0 wie gewohnt</translation>
    </message>
    <message>
        <source>S&amp;tep of the race:</source>
        <translation>Sch&amp;ritt des Rennens:</translation>
    </message>
    <message>
        <source>Step of the race</source>
        <translation>Schritt des Rennens</translation>
    </message>
    <message>
        <source>Drag to go to any step at once; Home and End go to the start and the end, Page Up and Page Down a tenth back or on</source>
        <translation>Ziehen, um sofort zu jedem Schritt zu gehen; Pos1 und Ende gehen zum Anfang und zum Ende, Bild auf und Bild ab ein Zehntel zurück oder vor</translation>
    </message>
    <message>
        <source>Before each decision of the method you look at, guess what it does: click the bars, or choose with the arrow keys and Space, then press Enter; or answer with the buttons below (P)</source>
        <translation>Rate vor jeder Entscheidung des betrachteten Verfahrens, was es tut: Balken anklicken oder mit den Pfeiltasten und Leertaste wählen, dann Eingabe; oder mit den Knöpfen unten antworten (P)</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Eigene Sortierung…</translation>
    </message>
    <message>
        <source>Race a sort of your own: a Python file that defines sort(a)</source>
        <translation>Eine eigene Sortierung antreten lassen: eine Python-Datei, die sort(a) definiert</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Keep the race as it is set in a lesson file, open one (Ctrl+S, Ctrl+O), or copy it as a command line</source>
        <translation>Das Rennen, wie es eingestellt ist, in einer Lektionsdatei behalten, eine öffnen (Strg+S, Strg+O) oder es als Befehlszeile kopieren</translation>
    </message>
</context>
<context>
    <name>StepWords</name>
    <message>
        <source>%1 (copy of item %2)</source>
        <translation>%1 (Kopie von Element %2)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (Element %2)</translation>
    </message>
    <message>
        <source>compares %1 and %2</source>
        <translation>vergleicht %1 und %2</translation>
    </message>
    <message>
        <source>exchange: holds %1</source>
        <translation>Tausch: nimmt %1 in die Hand</translation>
    </message>
    <message>
        <source>exchange: moves %1 from item %2 to item %3</source>
        <translation>Tausch: bewegt %1 von Element %2 auf Element %3</translation>
    </message>
    <message>
        <source>exchange: puts %1 from the hand at item %2</source>
        <translation>Tausch: legt %1 aus der Hand auf Element %2</translation>
    </message>
    <message>
        <source>copies %1 out</source>
        <translation>kopiert %1 heraus</translation>
    </message>
    <message>
        <source>writes %1 at item %2</source>
        <translation>schreibt %1 auf Element %2</translation>
    </message>
    <message>
        <source>moves %1 from item %2 to item %3</source>
        <translation>bewegt %1 von Element %2 auf Element %3</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>liest %1</translation>
    </message>
    <message>
        <source>merge %1</source>
        <translation>Mischen: %1</translation>
    </message>
    <message>
        <source>%1 (the sentinel before item 1)</source>
        <translation>%1 (der Wächter vor Element 1)</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <source>unknown method &quot;%1&quot; (choose from %2, or all)</source>
        <translation>unbekanntes Verfahren „%1“ (zur Wahl: %2 oder all)</translation>
    </message>
    <message>
        <source>--methods needs at least one method</source>
        <translation>--methods braucht mindestens ein Verfahren</translation>
    </message>
    <message>
        <source>unknown order &quot;%1&quot; (choose from %2, or all)</source>
        <translation>unbekannte Anordnung „%1“ (zur Wahl: %2 oder all)</translation>
    </message>
    <message>
        <source>--orders needs at least one order</source>
        <translation>--orders braucht mindestens eine Anordnung</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;; did you mean %2?</source>
        <translation>unbekannte Option „%1“; meinten Sie %2?</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Mehr mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>--script needs python3 (/usr/bin/python3), which is not installed</source>
        <translation>--script braucht python3 (/usr/bin/python3), das nicht installiert ist</translation>
    </message>
    <message>
        <source>--script: a script cannot be protected here (%1); --unprotected runs it all the same, able to read and change whatever you can</source>
        <translation>--script: ein Skript kann hier nicht geschützt werden (%1); --unprotected führt es trotzdem aus, und es kann dann lesen und ändern, was Sie können</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>„%1“ ist ein Ordner</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot;</source>
        <translation>es gibt keinen Ordner „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot write in &quot;%1&quot;: %2</source>
        <translation>kann nicht in „%1“ schreiben: %2</translation>
    </message>
    <message>
        <source>%1 must be a number, not &quot;%2&quot;</source>
        <translation>%1 muss eine Zahl sein, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 must be a positive number of seconds</source>
        <translation>%1 muss eine positive Anzahl Sekunden sein</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>eine Anzahl</translation>
    </message>
    <message>
        <source>a count must be from 1 to 2147483647, not %1</source>
        <translation>eine Anzahl muss von 1 bis 2147483647 gehen, nicht %1</translation>
    </message>
    <message>
        <source>--from must not be above --to</source>
        <translation>--from darf nicht über --to liegen</translation>
    </message>
    <message>
        <source>the seed &quot;%1&quot; is beyond the range of numbers</source>
        <translation>der Startwert „%1“ liegt außerhalb des Zahlenbereichs</translation>
    </message>
    <message>
        <source>the chart&apos;s file name must end in .svg or .png</source>
        <translation>der Dateiname des Diagramms muss auf .svg oder .png enden</translation>
    </message>
    <message>
        <source>counts are written without thousands separators: 1000, not 1,000</source>
        <translation>Anzahlen werden ohne Tausendertrennzeichen geschrieben: 1000, nicht 1,000</translation>
    </message>
    <message>
        <source>--counts needs at least one count</source>
        <translation>--counts braucht mindestens eine Anzahl</translation>
    </message>
    <message>
        <source>give either --counts or --from/--to, not both</source>
        <translation>entweder --counts oder --from/--to angeben, nicht beides</translation>
    </message>
    <message>
        <source>the budget</source>
        <translation>das Budget</translation>
    </message>
    <message>
        <source>the limit</source>
        <translation>die Grenze</translation>
    </message>
    <message>
        <source>the repeat count</source>
        <translation>die Wiederholungszahl</translation>
    </message>
    <message>
        <source>the repeat count must be 1 or more</source>
        <translation>die Wiederholungszahl muss 1 oder mehr sein</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <translation>Aufruf: %1 [Optionen]
</translation>
    </message>
    <message>
        <source>Sorts items with each method at growing counts and reports the time of the
sort alone, the comparisons, exchanges, merges and item moves, and whether the
result is in order. Each row is written as soon as its run is done.

Before each run its time is estimated, from the method&apos;s earlier runs or from
a short calibration; a run estimated to take longer than --max-seconds is not
started, and its row says &quot;skipped&quot; with the estimate. In a doubling series
(--from, --to) a method also stops growing after a run longer than --budget,
with a skipped row saying so; the counts of --counts are each run. Ctrl-C ends
the program at once, with the rows so far (and the chart) complete.

With no options, every method sorts random items at doubling counts from 500
to 1024000, each stopping after a run longer than a second.

</source>
        <translation>Sortiert Elemente mit jedem Verfahren bei wachsender Anzahl und meldet die Zeit
des Sortierens allein, die Vergleiche, Vertauschungen, Verschmelzungen und
Bewegungen und ob das Ergebnis geordnet ist. Jede Zeile erscheint, sobald ihr
Lauf fertig ist.

Vor jedem Lauf wird seine Zeit geschätzt, aus früheren Läufen des Verfahrens
oder aus einer kurzen Kalibrierung; ein Lauf, der voraussichtlich länger als
--max-seconds dauert, wird nicht gestartet, und seine Zeile sagt
„übersprungen“ mit der Schätzung. In einer Verdopplungsreihe (--from, --to)
wächst ein Verfahren außerdem nach einem Lauf über --budget nicht weiter, mit
einer übersprungenen Zeile, die das sagt; die Anzahlen von --counts laufen alle.
Strg-C beendet das Programm sofort, mit allen Zeilen bis dahin (und dem
Diagramm) vollständig.

Ohne Optionen sortiert jedes Verfahren zufällige Elemente bei sich
verdoppelnder Anzahl von 500 bis 1024000 und hört jeweils nach einem Lauf von
mehr als einer Sekunde auf.

</translation>
    </message>
    <message>
        <source>  --methods LIST   the methods to compare, from these, or all (default: all):
</source>
        <translation>  --methods LIST   die zu vergleichenden Verfahren, aus diesen, oder all
                   (Vorgabe: all):
</translation>
    </message>
    <message>
        <source>  --orders LIST    how the items stand before the sort, from these, or all
                   (default: random):
</source>
        <translation>  --orders LIST    wie die Elemente vor dem Sortieren stehen, aus diesen, oder
                   all (Vorgabe: random):
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --seed 1 --chart growth.png
      every method&apos;s growth on random items, as a table and a chart
  %1 --orders all --counts 1000,4000,16000 --seed 1
      each method on each initial order of the items
  %1 --methods merge --counts 10000000 --repeat 1
      one method at a big count
</source>
        <translation>Beispiele:
  %1 --seed 1 --chart growth.png
      das Wachstum jedes Verfahrens auf zufälligen Elementen, als Tabelle und
      Diagramm
  %1 --orders all --counts 1000,4000,16000 --seed 1
      jedes Verfahren auf jeder Anfangsanordnung der Elemente
  %1 --methods merge --counts 10000000 --repeat 1
      ein Verfahren bei einer großen Anzahl
</translation>
    </message>
    <message>
        <source>skipped %1 on %2 items at %3, which would take %4, over the limit of %5 s; to run it, raise the limit: --max-seconds %6</source>
        <translation>%1 auf %3 Elementen (%2) übersprungen: würde %4 dauern, über der Grenze von %5 s; zum Ausführen die Grenze erhöhen: --max-seconds %6</translation>
    </message>
    <message>
        <source>%1 grows no further on %2 items: its run at %3 took %4 s with its counting run, over the budget of %5 s; to go on, raise it: --budget %6</source>
        <translation>%1 wächst auf Elementen (%2) nicht weiter: sein Lauf bei %3 dauerte mit dem Zähllauf %4 s, über dem Budget von %5 s; zum Weitermachen erhöhen: --budget %6</translation>
    </message>
    <message>
        <source>between runs</source>
        <translation>zwischen zwei Läufen</translation>
    </message>
    <message>
        <source>its counting run</source>
        <translation>sein Zähllauf</translation>
    </message>
    <message>
        <source>during %1 on %2 items at %3 (%4)</source>
        <translation>während %1 auf %3 Elementen (%2, %4)</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>unter einer Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>etwa %n Sekunde</numerusform>
            <numerusform>etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s)</source>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s)</source>
        <translation>
            <numerusform>etwa %n Tag</numerusform>
            <numerusform>etwa %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n year(s)</source>
        <translation>
            <numerusform>etwa %n Jahr</numerusform>
            <numerusform>etwa %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>number of items</source>
        <translation>Anzahl der Elemente</translation>
    </message>
    <message>
        <source>time of the sort (log-log)</source>
        <translation>Sortierzeit (log-log)</translation>
    </message>
    <message>
        <source>cannot write the chart to %1</source>
        <translation>kann das Diagramm nicht nach %1 schreiben</translation>
    </message>
    <message>
        <source>cannot write the chart to %1: %2</source>
        <translation>kann das Diagramm nicht nach %1 schreiben: %2</translation>
    </message>
    <message>
        <source>cannot draw the chart for %1</source>
        <translation>kann das Diagramm für %1 nicht zeichnen</translation>
    </message>
    <message>
        <source>counting</source>
        <translation>Zähllauf</translation>
    </message>
    <message>
        <source>%1, %2, %3 items: %4, %5 s so far of %6</source>
        <translation>%1, %2, %3 Elemente: %4, bisher %5 s von %6</translation>
    </message>
    <message>
        <source>repeat %1 of %2</source>
        <translation>Wiederholung %1 von %2</translation>
    </message>
    <message>
        <source>method</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>comparisons</source>
        <translation>Vergleiche</translation>
    </message>
    <message>
        <source>exchanges</source>
        <translation>Vertauschungen</translation>
    </message>
    <message>
        <source>merges</source>
        <translation>Verschmelzungen</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>in order</source>
        <translation>geordnet</translation>
    </message>
    <message>
        <source>reads</source>
        <translation>Lesezugriffe</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>cannot write the chart: %1</source>
        <translation>kann das Diagramm nicht schreiben: %1</translation>
    </message>
    <message>
        <source>interrupted by %1 %2; %3</source>
        <translation>unterbrochen durch %1 %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) complete</source>
        <translation>
            <numerusform>%n Zeile vollständig</numerusform>
            <numerusform>%n Zeilen vollständig</numerusform>
        </translation>
    </message>
    <message>
        <source>no run was made</source>
        <translation>es wurde kein Lauf gemacht</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>gescheitert</translation>
    </message>
    <message>
        <source>seconds in Python, every step reported</source>
        <translation>Sekunden in Python, jeder Schritt gemeldet</translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n second(s)</source>
        <translation>
            <numerusform>etwa %1 bis %n Sekunde</numerusform>
            <numerusform>etwa %1 bis %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n minute(s)</source>
        <translation>
            <numerusform>etwa %1 bis %n Minute</numerusform>
            <numerusform>etwa %1 bis %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n hour(s)</source>
        <translation>
            <numerusform>etwa %1 bis %n Stunde</numerusform>
            <numerusform>etwa %1 bis %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n day(s)</source>
        <translation>
            <numerusform>etwa %1 bis %n Tag</numerusform>
            <numerusform>etwa %1 bis %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n year(s)</source>
        <translation>
            <numerusform>etwa %1 bis %n Jahr</numerusform>
            <numerusform>etwa %1 bis %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>--orders every takes counts from 2 to %1</source>
        <translation>--orders every nimmt Anzahlen von 2 bis %1</translation>
    </message>
    <message>
        <source>--orders every does not go with --script</source>
        <translation>--orders every geht nicht mit --script</translation>
    </message>
    <message>
        <source>                   or every: each of the n! orders of n distinct items, at
                   counts from 2 to 10 (default: 2 to 8); the fewest, mean and
                   most of each figure, with a worst and a best order
</source>
        <translation>                   oder every: jede der n! Anordnungen von n verschiedenen
                   Elementen, bei Anzahlen von 2 bis 10 (Vorgabe: 2 bis 8); je
                   Größe das Minimum, Mittel und Maximum, mit der schlechtesten
                   und der besten Anordnung
</translation>
    </message>
    <message>
        <source>fewest</source>
        <translation>min</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>most</source>
        <translation>max</translation>
    </message>
    <message>
        <source>worst: %1; best: %2</source>
        <translation>schlechteste: %1; beste: %2</translation>
    </message>
    <message>
        <source>the chart shows seconds, comparisons or moves, not &quot;%1&quot;</source>
        <translation>das Diagramm zeigt seconds, comparisons oder moves, nicht „%1“</translation>
    </message>
    <message>
        <source>the scale is log or linear, not &quot;%1&quot;</source>
        <translation>die Skala ist log oder linear, nicht „%1“</translation>
    </message>
    <message>
        <source>  --chart FILE     also draw a chart of the rows into FILE (.svg, .png)
  --chart-of WHAT  what the chart shows against the count: seconds,
                   comparisons or moves (default: seconds); a script&apos;s rows
                   are drawn where it shows a count
  --scale SCALE    log (log-log, the default) or linear axes
</source>
        <translation>  --chart FILE     zusätzlich ein Diagramm der Zeilen in FILE zeichnen (.svg,
                   .png)
  --chart-of WHAT  was das Diagramm gegen die Anzahl zeigt: seconds,
                   comparisons oder moves (Vorgabe: seconds); die Zeilen eines
                   Skripts, wo es eine Anzahl zeigt
  --scale SCALE    log (log-log, die Vorgabe) oder linear
</translation>
    </message>
    <message>
        <source>  --quiet          no progress line on standard error
  -h, --help       show this text
  --version        show the program&apos;s version

Exit status: 0 when at least one run was made, 1 when none was or a script
failed, 2 for a command line that cannot be followed, 130 or 143 when
interrupted by SIGINT or SIGTERM.

</source>
        <translation>  --quiet          keine Fortschrittszeile auf der Standardfehlerausgabe
  -h, --help       diesen Text zeigen
  --version        die Version des Programms zeigen

Rückgabewert: 0, wenn mindestens ein Lauf gemacht wurde, 1, wenn keiner oder
ein Skript scheiterte, 2 für eine Befehlszeile, der nicht gefolgt werden kann,
130 oder 143 bei Unterbrechung durch SIGINT oder SIGTERM.

</translation>
    </message>
    <message>
        <source>comparisons (log-log)</source>
        <translation>Vergleiche (log-log)</translation>
    </message>
    <message>
        <source>item moves (log-log)</source>
        <translation>Bewegungen (log-log)</translation>
    </message>
    <message>
        <source>item moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>time of the sort</source>
        <translation>Zeit des Sortierens</translation>
    </message>
    <message>
        <source>%1, by the initial order of the items</source>
        <translation>%1, nach der Ausgangsanordnung der Elemente</translation>
    </message>
    <message>
        <source>  --wide           every column in the table: also the exchanges, the merges,
                   the reads and whether equal items kept their order
</source>
        <translation>  --wide           jede Spalte in der Tabelle: auch die Vertauschungen, die
                   Merges, die Lesezugriffe und ob gleiche Elemente ihre
                   Reihenfolge behielten
</translation>
    </message>
    <message>
        <source>per 2×</source>
        <translation>je 2×</translation>
    </message>
    <message>
        <source>budget spent: %2 s at %1, timed and counting</source>
        <translation>Budget: %2 s bei %1 mit Zähllauf</translation>
    </message>
    <message>
        <source>Python&apos;s seconds</source>
        <translation>Sekunden in Python</translation>
    </message>
    <message>
        <source>--orders every counts and does not time: chart its comparisons or moves</source>
        <translation>--orders every zählt und misst keine Zeit: zeichnen Sie seine Vergleiche (comparisons) oder Bewegungen (moves)</translation>
    </message>
    <message>
        <source>%1: the mean over every order, shaded from the fewest to the most</source>
        <translation>%1: das Mittel über jede Anordnung, schattiert vom Minimum bis zum Maximum</translation>
    </message>
    <message>
        <source>  --counts LIST    the counts to run, such as 1000,5000,20000
  --from N         a doubling series of counts from N (default: 500) ...
  --to M           ... up to M (default: 1024000)
  --seed S         fix the random seed, as &quot;Fix Random Seed&quot; does (default: a
                   seed from the clock)
  --script FILE    also a sort of your own: FILE defines sort(a) in Python 3,
                   and is counted as the methods are, a row at each count and
                   order (given more than once, a row for each); its seconds
                   are Python&apos;s. It runs in /usr/bin/python3, in a sandbox
                   (bubblewrap, or else the kernel&apos;s Landlock), unable to start
                   a program, connect, or change a file. Its a[0] is item 1 in
                   the messages, as places count from 1 here
  --unprotected    run the scripts where no sandbox works here: they can then
                   read whatever you can
  --budget SECS    in a series, a method stops growing after a run (its timed
                   runs and its counting run) longer than this (default: 1)
  --max-seconds S  a run estimated to take longer than this is skipped
                   (default: 60)
  --repeat K       time each run K times and keep the best (default: 3; a sort
                   longer than a second is then timed once)
  --csv            write CSV instead of the aligned table
</source>
        <translation>  --counts LIST    die Anzahlen der Läufe, etwa 1000,5000,20000
  --from N         eine Verdopplungsreihe von Anzahlen ab N (Vorgabe: 500) ...
  --to M           ... bis M (Vorgabe: 1024000)
  --seed S         legt den Zufalls-Startwert fest wie &quot;Fix Random Seed&quot;
                   (Vorgabe: ein Startwert aus der Uhr)
  --script FILE    dazu eine eigene Sortierung: FILE definiert sort(a) in
                   Python 3 und wird gezählt wie die Verfahren, eine Zeile je
                   Anzahl und Anordnung (mehrfach angegeben, eine Zeile für
                   jede); ihre Sekunden sind die von Python. Sie läuft in
                   /usr/bin/python3, in einer Sandbox (bubblewrap, sonst
                   Landlock des Kernels), ohne ein Programm starten, sich
                   verbinden oder eine Datei ändern zu können. Sein a[0] ist
                   Element 1 in den Meldungen, da Stellen hier ab 1 zählen
  --unprotected    die Skripte ausführen, wo hier keine Sandbox geht: sie
                   können dann lesen, was Sie lesen können
  --budget SECS    in einer Reihe wächst ein Verfahren nach einem Lauf (seine
                   Zeitläufe und sein Zähllauf) über dieser Dauer nicht weiter
                   (Vorgabe: 1)
  --max-seconds S  ein Lauf, der voraussichtlich länger dauert, wird
                   übersprungen (Vorgabe: 60)
  --repeat K       jeden Lauf K-mal messen und den besten behalten (Vorgabe: 3;
                   ein Sortieren über einer Sekunde wird dann einmal gemessen)
  --csv            CSV statt der ausgerichteten Tabelle schreiben
</translation>
    </message>
    <message>
        <source>every order takes the same steps</source>
        <translation>jede Anordnung braucht dieselben Schritte</translation>
    </message>
</context>
<context>
    <name>method</name>
    <message>
        <source>Selection</source>
        <translation>Selectionsort</translation>
    </message>
    <message>
        <source>picks the smallest item left and exchanges it into place</source>
        <translation>tauscht das kleinste übrige Element an seinen Platz</translation>
    </message>
    <message>
        <source>Insertion</source>
        <translation>Insertionsort</translation>
    </message>
    <message>
        <source>moves each item down past the greater items before it</source>
        <translation>schiebt jedes Element an den größeren vor ihm vorbei</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Bubblesort</translation>
    </message>
    <message>
        <source>exchanges neighbours out of order, pass after pass</source>
        <translation>vertauscht falsch stehende Nachbarn, Durchlauf um Durchlauf</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Mergesort</translation>
    </message>
    <message>
        <source>merges neighbouring runs of 1, 2, 4, ... items, bottom up</source>
        <translation>verschmilzt Nachbarläufe von 1, 2, 4, ... Elementen</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>Shellsort</translation>
    </message>
    <message>
        <source>insertion sort of items h apart, for h = ..., 13, 4, 1</source>
        <translation>Einfügen von Elementen im Abstand h, für h = ..., 13, 4, 1</translation>
    </message>
    <message>
        <source>Heap</source>
        <translation>Heapsort</translation>
    </message>
    <message>
        <source>builds a heap, then takes its largest item off, one by one</source>
        <translation>baut einen Heap, nimmt dann stets das größte heraus</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Quicksort</translation>
    </message>
    <message>
        <source>partitions around the last item, then sorts each part</source>
        <translation>zerlegt um das letzte Element, sortiert dann jeden Teil</translation>
    </message>
    <message>
        <source>Median quick</source>
        <translation>Median-Quicksort</translation>
    </message>
    <message>
        <source>quick sort around the median of three items</source>
        <translation>Quicksort um den Median von drei Elementen</translation>
    </message>
    <message>
        <source>3-way quick</source>
        <translation>3-Wege-Quicksort</translation>
    </message>
    <message>
        <source>parts into less than, equal to and greater than the pivot</source>
        <translation>teilt in kleiner, gleich und größer als das Pivot</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Introsort</translation>
    </message>
    <message>
        <source>median quick, small parts by insertion, heap when too deep</source>
        <translation>Median-Quicksort, Kleines durch Einfügen, Heap wenn zu tief</translation>
    </message>
    <message>
        <source>Natural merge</source>
        <translation>Natürlicher Mergesort</translation>
    </message>
    <message>
        <source>merges the runs the items already stand in</source>
        <translation>verschmilzt die Läufe, in denen die Elemente schon stehen</translation>
    </message>
    <message>
        <source>Radix</source>
        <translation>Radixsort</translation>
    </message>
    <message>
        <source>four passes by one byte of each item, with no comparison</source>
        <translation>vier Durchläufe je nach einem Byte, ohne Vergleich</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Bucketsort</translation>
    </message>
    <message>
        <source>a bucket for each share of the largest, then insertion</source>
        <translation>ein Eimer je Anteil am größten Element, dann Einfügen</translation>
    </message>
</context>
<context>
    <name>order</name>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>random items, as the window makes them</source>
        <translation>zufällige Elemente, wie das Fenster sie erzeugt</translation>
    </message>
    <message>
        <source>sorted</source>
        <translation>sortiert</translation>
    </message>
    <message>
        <source>distinct random items, already in order</source>
        <translation>verschiedene zufällige Elemente, schon geordnet</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>umgekehrt</translation>
    </message>
    <message>
        <source>distinct random items in reverse order</source>
        <translation>verschiedene zufällige Elemente in umgekehrter Reihenfolge</translation>
    </message>
    <message>
        <source>nearly-sorted</source>
        <translation>fast sortiert</translation>
    </message>
    <message>
        <source>sorted, then 1 % of the items each swapped up to 10 places</source>
        <translation>sortiert, dann 1 % der Elemente um bis zu 10 Plätze versetzt</translation>
    </message>
    <message>
        <source>few-unique</source>
        <translation>wenige Werte</translation>
    </message>
    <message>
        <source>random items of only 8 distinct values</source>
        <translation>zufällige Elemente mit nur 8 verschiedenen Werten</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 items need %2; %3 is available.</source>
        <translation>%1 Elemente brauchen %2; %3 sind verfügbar.</translation>
    </message>
</context>
<context>
    <name>race</name>
    <message>
        <source>“%1” is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>“%1” is negative; the items must be 0 or more.</source>
        <translation>„%1“ ist negativ; die Elemente müssen 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>“%1” is too large; an item may be at most 3.4e38.</source>
        <translation>„%1“ ist zu groß; ein Element darf höchstens 3.4e38 sein.</translation>
    </message>
    <message>
        <source>Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers.</source>
        <translation>Geben Sie eine Anzahl von 1 bis 2.000 ein oder eine Liste von 2 bis 2.000 Zahlen.</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>„%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>A list holds 2,000 numbers at the most, not %1.</source>
        <translation>Eine Liste fasst höchstens 2.000 Zahlen, nicht %1.</translation>
    </message>
    <message>
        <source>a race needs two methods or more</source>
        <translation>ein Rennen braucht zwei Verfahren oder mehr</translation>
    </message>
    <message>
        <source>Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from these, or all
                   (default: selection,insertion,bubble,merge):
</source>
        <translation>Lässt Sortierverfahren nebeneinander auf denselben Elementen um die Wette
laufen, im Takt ihrer Arbeit.

  --methods LIST   die Verfahren, die antreten, zwei oder mehr, aus diesen,
                   oder all (Vorgabe: selection,insertion,bubble,merge):
</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: its first line is not &quot;sortrace = 1&quot;</source>
        <translation>das ist keine Lektion von sorting-race: ihre erste Zeile ist nicht &quot;sortrace = 1&quot;</translation>
    </message>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>die Datei ist größer als 1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: it is not text</source>
        <translation>das ist keine Lektion von sorting-race: es ist kein Text</translation>
    </message>
    <message>
        <source>not a setting (name = value)</source>
        <translation>keine Einstellung (Name = Wert)</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>A lesson of sorting-race: a setting a line, as its options name them.</source>
        <translation>Eine Lektion von sorting-race: eine Einstellung je Zeile, wie ihre Optionen sie nennen.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on oder off</translation>
    </message>
    <message>
        <source>steps a second, from 1 to 10000000</source>
        <translation>Schritte pro Sekunde, von 1 bis 10000000</translation>
    </message>
    <message>
        <source>random, sorted, reversed, nearly-sorted or few-unique</source>
        <translation>random, sorted, reversed, nearly-sorted oder few-unique</translation>
    </message>
    <message>
        <source>100 to 300, in steps of 25</source>
        <translation>100 bis 300, in Schritten von 25</translation>
    </message>
    <message>
        <source>one lesson file at a time</source>
        <translation>eine Lektionsdatei auf einmal</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [LESSON.sortrace]
</source>
        <translation>Aufruf: %1 [Optionen] [LESSON.sortrace]
</translation>
    </message>
    <message>
        <source>--focus: %1 is no method a worksheet is made for</source>
        <translation>--focus: %1 ist kein Verfahren, für das ein Arbeitsblatt entsteht</translation>
    </message>
    <message>
        <source>--worksheet: %1 items at the most</source>
        <translation>--worksheet: höchstens %1 Elemente</translation>
    </message>
    <message>
        <source>Wrote %1: the worksheet of %2, its answer key on the last page.</source>
        <translation>%1 geschrieben: das Arbeitsblatt zu %2, die Lösung auf der letzten Seite.</translation>
    </message>
    <message>
        <source>--steps: from a step to a later one, such as 0..500</source>
        <translation>--steps: von einem Schritt bis zu einem späteren, etwa 0..500</translation>
    </message>
    <message>
        <source>--size: width x height in even numbers, 64x64 to 3840x2160, such as 1280x720</source>
        <translation>--size: Breite x Höhe in geraden Zahlen, 64x64 bis 3840x2160, etwa 1280x720</translation>
    </message>
    <message>
        <source>frame %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <source>a lesson&apos;s script must be a .py file in the lesson&apos;s folder, named from there</source>
        <translation>das Skript einer Lektion muss eine .py-Datei im Ordner der Lektion sein, von dort aus benannt</translation>
    </message>
    <message>
        <source>a lesson races %1 scripts at the most</source>
        <translation>eine Lektion lässt höchstens %1 Skripte laufen</translation>
    </message>
    <message>
        <source>  --worksheet FILE write a worksheet (PDF) of the --focus method on the items
                   (12 at the most) and its answer key, and show no window
</source>
        <translation>  --worksheet FILE ein Arbeitsblatt (PDF) des --focus-Verfahrens auf den
                   Elementen (höchstens 12) samt Lösung schreiben, ohne Fenster
</translation>
    </message>
    <message>
        <source>  --export FILE    write the race as a video, MP4 (with its sound where --sound
                   is on) or, named *.gif, an animated GIF, and show no window
  --steps A..B     the video from step A to step B (default: the whole race)
  --size WxH       the video&apos;s size (default: 1280x720)
</source>
        <translation>  --export FILE    das Rennen als Video schreiben, MP4 (mit seinem Ton, wo
                 </translation>
    </message>
    <message>
        <source>one file to write at a time</source>
        <translation>nur eine Datei auf einmal schreiben</translation>
    </message>
    <message>
        <source>  --items LIST     how many items race (1 to 2000), or the items themselves:
                   2 to 2000 numbers, none negative, such as &quot;5 3 8 1 9&quot;
  --order NAME     the items&apos; initial order: random, sorted, reversed,
                   nearly-sorted or few-unique
  --seed N         the seed the random items are made from
  --speed N        steps a second, from 1 to 10000000
  --zoom PERCENT   every text larger: 100 to 300, in steps of 25
  --focus METHOD   look closely at this method (or a script&apos;s file name)
  --predict        ask about each decision of the method looked at
  --full-screen    fill the screen
  --step N         stand at this step of the race
</source>
        <translation>  --items LIST     wie viele Elemente antreten (1 bis 2000), oder die Elemente
                   selbst: 2 bis 2000 Zahlen, keine negativ, etwa &quot;5 3 8 1 9&quot;
  --order NAME     die Anfangsordnung der Elemente: random, sorted, reversed,
                   nearly-sorted oder few-unique
  --seed N         der Startwert, aus dem die Zufallselemente entstehen
  --speed N        Schritte pro Sekunde, von 1 bis 10000000
  --zoom PERCENT   jeder Text größer: 100 bis 300, in Schritten von 25
  --focus METHOD   dieses Verfahren genau ansehen (oder den Dateinamen eines
                   Skripts)
  --predict        nach jeder Entscheidung des angesehenen Verfahrens fragen
  --full-screen    den ganzen Bildschirm füllen
  --step N         bei diesem Schritt des Rennens stehen
</translation>
    </message>
    <message>
        <source>--script-seconds: a whole number of seconds, 1 to 600</source>
        <translation>--script-seconds: eine ganze Zahl von Sekunden, 1 bis 600</translation>
    </message>
    <message>
        <source>  --sound          sound each step, a higher tone for a larger item (remembered)
  --script FILE    also race a sort of your own: FILE defines sort(a) in
                   Python 3 (more than once: a panel each); it runs in
                   /usr/bin/python3, in a sandbox (bubblewrap, or else the
                   kernel&apos;s Landlock), unable to start a program, connect, or
                   change a file. Its a[0] is item 1 on the bars, as places
                   count from 1 here
  --unprotected    race the scripts where no sandbox works here: they can then
                   read whatever you can
  --script-seconds N
                   the time each script may take, 1 to 600 seconds (default: 10)
  LESSON.sortrace  open a lesson saved from the race (the options then apply)
  -h, --help       show this text
  --version        show the program&apos;s version
</source>
        <translation>  --sound an ist) oder, *.gif genannt, ein animiertes GIF, ohne
                   Fenster
  --steps A..B     das Video von Schritt A bis B (sonst das ganze Rennen)
  --size WxH       die Größe des Videos (sonst 1280x720)
  --sound          jeden Schritt hörbar machen, ein höherer Ton für ein
                   größeres Element (wird gemerkt)
  --script FILE    dazu eine eigene Sortierung antreten lassen: FILE definiert
                   sort(a) in Python 3 (mehrfach: je ein Feld); sie läuft in
                   /usr/bin/python3, in einer Sandbox (bubblewrap, sonst
                   Landlock des Kernels), ohne ein Programm starten, sich
                   verbinden oder eine Datei ändern zu können. Sein a[0] ist
                   Element 1 auf den Balken, da Stellen hier ab 1 zählen
  --unprotected    die Skripte antreten lassen, wo hier keine Sandbox geht: sie
                   können dann lesen, was Sie lesen können
  --script-seconds N
                   die Zeit, die jedes Skript laufen darf, 1 bis 600 Sekunden
                   (sonst 10)
  LESSON.sortrace  eine im Rennen gespeicherte Lektion öffnen (die Optionen
                   gelten danach)
  -h, --help       diesen Text zeigen
  --version        die Version des Programms zeigen
</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 is no method&apos;s name</source>
        <translation>%1 ist kein Name eines Verfahrens</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1: meinten Sie %2?</translation>
    </message>
</context>
<context>
    <name>race_export::Exports</name>
    <message>
        <source>Exporting the race to %1...</source>
        <translation>Das Rennen wird nach %1 exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exported the race to %1.</source>
        <translation>Das Rennen ist nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Click a method&apos;s panel first: the worksheet is made for the method looked at.</source>
        <translation>Klicken Sie zuerst auf das Feld eines Verfahrens: das Arbeitsblatt entsteht für das angesehene Verfahren.</translation>
    </message>
    <message>
        <source>A worksheet traces %1 items at the most; type fewer.</source>
        <translation>Ein Arbeitsblatt verfolgt höchstens %1 Elemente; geben Sie weniger ein.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Wrote the worksheet %1, its answer key on the last page.</source>
        <translation>Das Arbeitsblatt %1 ist geschrieben, die Lösung auf der letzten Seite.</translation>
    </message>
    <message>
        <source>Export video...</source>
        <translation>Video exportieren...</translation>
    </message>
    <message>
        <source>Videos (*.mp4);;Animated GIF (*.gif)</source>
        <translation>Videos (*.mp4);;Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Worksheet...</source>
        <translation>Arbeitsblatt...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>race_export::RaceVideo</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it cannot be renamed</source>
        <translation>sie kann nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>race_export::Worksheet</name>
    <message>
        <source>before</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Arbeitsblatt: %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The items: %1</source>
        <translation>Die Elemente: %1</translation>
    </message>
    <message>
        <source>Write down the items after each merge.</source>
        <translation>Schreiben Sie die Elemente nach jedem Mischen auf.</translation>
    </message>
    <message>
        <source>Write down the items after each pass.</source>
        <translation>Schreiben Sie die Elemente nach jedem Durchgang auf.</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Lösung: %1</translation>
    </message>
</context>
<context>
    <name>race_window::AnswerBar</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Less</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Gleich</translation>
    </message>
    <message>
        <source>&amp;Greater</source>
        <translation>G&amp;rößer</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>bucket </source>
        <translation>Eimer </translation>
    </message>
    <message>
        <source>bucket ?</source>
        <translation>Eimer ?</translation>
    </message>
</context>
<context>
    <name>race_window::CodePane</name>
    <message>
        <source>%1, its code</source>
        <translation>%1, sein Code</translation>
    </message>
    <message>
        <source>Code of %1</source>
        <translation>Code von %1</translation>
    </message>
    <message>
        <source>Line %1: %2. %3</source>
        <translation>Zeile %1: %2. %3</translation>
    </message>
    <message>
        <source>No step yet.</source>
        <translation>Noch kein Schritt.</translation>
    </message>
    <message>
        <source>What your sort printed</source>
        <translation>Was die eigene Sortierung ausgab</translation>
    </message>
    <message>
        <source>In Python&apos;s words:</source>
        <translation>In den Worten von Python:</translation>
    </message>
</context>
<context>
    <name>race_window::MethodsMenu</name>
    <message>
        <source>Insertion sorts</source>
        <translation>Sortieren durch Einfügen</translation>
    </message>
    <message>
        <source>Selection sorts</source>
        <translation>Sortieren durch Auswählen</translation>
    </message>
    <message>
        <source>Exchange sorts</source>
        <translation>Sortieren durch Vertauschen</translation>
    </message>
    <message>
        <source>Quick sorts</source>
        <translation>Quicksort-Varianten</translation>
    </message>
    <message>
        <source>Merge sorts</source>
        <translation>Sortieren durch Mischen</translation>
    </message>
    <message>
        <source>Distribution sorts</source>
        <translation>Sortieren durch Verteilen</translation>
    </message>
</context>
<context>
    <name>race_window::PanelGrid</name>
    <message>
        <source>%1 (unprotected)</source>
        <translation>%1 (ungeschützt)</translation>
    </message>
</context>
<context>
    <name>race_window::Quiz</name>
    <message>
        <source>Click the panel of the method whose moves you will predict.</source>
        <translation>Klicken Sie auf das Feld des Verfahrens, dessen Züge Sie vorhersagen wollen.</translation>
    </message>
    <message>
        <source>Click one of the bars.</source>
        <translation>Klicken Sie auf einen der Balken.</translation>
    </message>
    <message>
        <source>Item %1 is no longer chosen.</source>
        <translation>Element %1 ist nicht mehr gewählt.</translation>
    </message>
    <message>
        <source>Two items are chosen: press Enter, or click one to take it back.</source>
        <translation>Zwei Elemente sind gewählt: Eingabe drücken oder eines anklicken, um es zurückzunehmen.</translation>
    </message>
    <message>
        <source>An item is chosen: press Enter, or click it to take it back.</source>
        <translation>Ein Element ist gewählt: Eingabe drücken oder es anklicken, um es zurückzunehmen.</translation>
    </message>
    <message>
        <source>Press Enter to see.</source>
        <translation>Eingabe drücken, um es zu sehen.</translation>
    </message>
    <message>
        <source>And the other?</source>
        <translation>Und das andere?</translation>
    </message>
    <message>
        <source>Choose two items, then press Enter.</source>
        <translation>Wählen Sie zwei Elemente, dann Eingabe drücken.</translation>
    </message>
    <message>
        <source>Choose an item, then press Enter.</source>
        <translation>Wählen Sie ein Element, dann Eingabe drücken.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>The score starts again.</source>
        <translation>Die Wertung beginnt von vorn.</translation>
    </message>
    <message>
        <source>A question waits: choose, then press Enter; or press P to stop predicting.</source>
        <translation>Eine Frage wartet: wählen, dann Eingabe drücken; oder P drücken, um nicht mehr vorherzusagen.</translation>
    </message>
    <message>
        <source>%1 has no decision left to predict.</source>
        <translation>%1 hat keine Entscheidung mehr zum Vorhersagen.</translation>
    </message>
    <message>
        <source>Answer with the buttons below.</source>
        <translation>Antworte mit den Knöpfen unten.</translation>
    </message>
    <message>
        <source>Click a bar or a copy in the strip.</source>
        <translation>Klicke einen Balken oder eine Kopie im Streifen an.</translation>
    </message>
    <message>
        <source>The copy is no longer chosen.</source>
        <translation>Die Kopie ist nicht mehr gewählt.</translation>
    </message>
    <message>
        <source>Choose a bucket, then press Enter.</source>
        <translation>Wähle einen Eimer, dann Eingabe.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 von %3 richtig</translation>
    </message>
    <message>
        <source>0 of 0 right</source>
        <translation>0 von 0 richtig</translation>
    </message>
</context>
<context>
    <name>race_window::RacePanel</name>
    <message>
        <source>item %1: %2</source>
        <translation>Element %1: %2</translation>
    </message>
    <message>
        <source>kept the order of equal items</source>
        <translation>hat die Reihenfolge gleicher Elemente behalten</translation>
    </message>
    <message>
        <source>changed the order of equal items: %1 before %2</source>
        <translation>hat die Reihenfolge gleicher Elemente geändert: %1 vor %2</translation>
    </message>
    <message>
        <source>merges %1</source>
        <translation>Verschmelzungen %1</translation>
    </message>
    <message>
        <source>exchanges %1</source>
        <translation>Vertauschungen %1</translation>
    </message>
    <message>
        <source>comparisons %1</source>
        <translation>Vergleiche %1</translation>
    </message>
    <message>
        <source>moves %1</source>
        <translation>Bewegungen %1</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>Lesezugriffe %1</translation>
    </message>
    <message>
        <source>done: %1, %2 steps</source>
        <translation>fertig: %1, %2 Schritte</translation>
    </message>
    <message>
        <source>%1 % of %2 steps</source>
        <translation>%1 % von %2 Schritten</translation>
    </message>
    <message>
        <source>items: %1</source>
        <translation>Elemente: %1</translation>
    </message>
    <message>
        <source>in hand</source>
        <translation>in der Hand</translation>
    </message>
    <message>
        <source>copied out</source>
        <translation>herauskopiert</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the rank 1</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>a rank ending in 1 but 11: 21, 31, ...</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>a rank ending in 2 but 12</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>a rank ending in 3 but 13</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>any other rank</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>byte %1 of 4</source>
        <translation>Byte %1 von 4</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>nach %1 Schritten angehalten</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>gescheitert: %1</translation>
    </message>
</context>
<context>
    <name>race_window::RaceSound</name>
    <message>
        <source>No audio output was found on this computer.</source>
        <translation>Auf diesem Computer wurde keine Audioausgabe gefunden.</translation>
    </message>
    <message>
        <source>The audio output &quot;%1&quot; cannot play the race&apos;s tones.</source>
        <translation>Die Audioausgabe „%1“ kann die Töne des Rennens nicht abspielen.</translation>
    </message>
    <message>
        <source>The audio output went away.</source>
        <translation>Die Audioausgabe ist weggefallen.</translation>
    </message>
</context>
<context>
    <name>race_window::RaceWindow</name>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>elf</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>zwölf</translation>
    </message>
    <message>
        <source>Marked: %1 the two items compared, %2 the items moved or written</source>
        <translation>Markiert: %1 die zwei verglichenen Elemente, %2 die bewegten oder geschriebenen</translation>
    </message>
    <message>
        <source>The seed is too large a number; the items stay as they are.</source>
        <translation>Der Startwert ist eine zu große Zahl; die Elemente bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>as typed</source>
        <translation>wie eingegeben</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>Few-unique makes items of only eight values, so it cannot keep the values you typed</source>
        <translation>„Wenige Werte“ erzeugt Elemente mit nur acht Werten und kann die eingegebenen Werte daher nicht behalten</translation>
    </message>
    <message>
        <source>Choose at least two methods; the race keeps its %1.</source>
        <translation>Wählen Sie mindestens zwei Verfahren; das Rennen behält seine %1.</translation>
    </message>
    <message>
        <source>%1 methods</source>
        <translation>%1 Verfahren</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1 steps/s</source>
        <translation>%1 Schritte/s</translation>
    </message>
    <message>
        <source>All %1 are done: %2 finished first.</source>
        <translation>Alle %1 sind fertig: %2 war als Erstes fertig.</translation>
    </message>
    <message>
        <source>Press Play or Space to start.</source>
        <translation>Zum Starten Start oder die Leertaste drücken.</translation>
    </message>
    <message>
        <source>Racing...</source>
        <translation>Das Rennen läuft ...</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n typed item(s), %1.</source>
        <translation>
            <numerusform>%n eingegebenes Element, %1.</numerusform>
            <numerusform>%n eingegebene Elemente, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1.</source>
        <translation>
            <numerusform>%n Element, %1.</numerusform>
            <numerusform>%n Elemente, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Type at least two numbers to race your own.</source>
        <translation>Geben Sie mindestens zwei Zahlen ein, um eigene Elemente laufen zu lassen.</translation>
    </message>
    <message>
        <source>Behind the bars: %1 the part worked on, %2 the part in order, %3 %4 a merge&apos;s two runs; %5 the pivot, %6 in its final place</source>
        <translation>Hinter den Balken: %1 der bearbeitete Teil, %2 der geordnete Teil, %3 %4 die zwei Läufe eines Mischens; %5 das Pivotelement, %6 an seiner endgültigen Stelle</translation>
    </message>
    <message>
        <source>Your own sort runs in Python: install python3 to race one</source>
        <translation>Eine eigene Sortierung läuft in Python: installieren Sie python3, um eine antreten zu lassen</translation>
    </message>
    <message>
        <source>Your sort</source>
        <translation>Eigene Sortierung</translation>
    </message>
    <message>
        <source>Python files (*.py);;All files (*)</source>
        <translation>Python-Dateien (*.py);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Lektion öffnen...</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Lektion speichern...</translation>
    </message>
    <message>
        <source>Copy as command</source>
        <translation>Als Befehl kopieren</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace);;All files (*)</source>
        <translation>Lektionen (*.sortrace);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1: %2; the rest is open.</source>
        <translation>%1: %2; der Rest ist geöffnet.</translation>
    </message>
    <message>
        <source>%1 comes from a newer version: what this one knows of it is open.</source>
        <translation>%1 stammt von einer neueren Version: was diese davon kennt, ist geöffnet.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace)</source>
        <translation>Lektionen (*.sortrace)</translation>
    </message>
    <message>
        <source>Saved the lesson as %1.</source>
        <translation>Die Lektion ist als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The command that sets the race so is on the clipboard.</source>
        <translation>Der Befehl, der das Rennen so einstellt, ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>focus: %1 does not race here.</source>
        <translation>focus: %1 tritt hier nicht an.</translation>
    </message>
    <message>
        <source>Run them?</source>
        <translation>Ausführen?</translation>
    </message>
    <message>
        <source>Run them</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Open without them</source>
        <translation>Ohne sie öffnen</translation>
    </message>
    <message>
        <source>This lesson wants to run these scripts of its own:</source>
        <translation>Diese Lektion will diese eigenen Skripte ausführen:</translation>
    </message>
    <message>
        <source>%1 cannot be protected here: %2.

Unprotected, it can read and change whatever you can. Run it all the same?</source>
        <translation>%1 kann hier nicht geschützt werden: %2.

Ungeschützt kann es lesen und ändern, was Sie können. Trotzdem ausführen?</translation>
    </message>
    <message>
        <source>Run it unprotected</source>
        <translation>Ungeschützt ausführen</translation>
    </message>
    <message>
        <source>Do not run it</source>
        <translation>Nicht ausführen</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme anhalten</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Eigene Sortierung…</translation>
    </message>
    <message>
        <source>Recording %1: %2 steps so far; it joins the race when it has run.</source>
        <translation>%1 wird aufgenommen: bisher %2 Schritte; es tritt an, wenn es gelaufen ist.</translation>
    </message>
    <message>
        <source>Stopped recording %1: it does not race.</source>
        <translation>Aufnahme von %1 angehalten: es tritt nicht an.</translation>
    </message>
    <message>
        <source>It runs in a sandbox (bubblewrap): no network, no other program, the system read-only.</source>
        <translation>Sie läuft in einer Sandbox (bubblewrap): kein Netz, kein anderes Programm, das System nur lesbar.</translation>
    </message>
    <message>
        <source>It runs confined by the kernel (Landlock): it can read only the system&apos;s own files.</source>
        <translation>Sie läuft vom Kernel eingeschränkt (Landlock): sie kann nur die Dateien des Systems lesen.</translation>
    </message>
    <message>
        <source>Nothing here can protect your files from it: it runs only where you say so.</source>
        <translation>Nichts kann Ihre Dateien hier vor ihr schützen: sie läuft nur, wo Sie es sagen.</translation>
    </message>
</context>
<context>
    <name>race_window::SoundSwitch</name>
    <message>
        <source>Hear each step: the larger the item it touches, the higher the tone</source>
        <translation>Jeden Schritt hören: je größer das berührte Element, desto höher der Ton</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Kein Ton: %1</translation>
    </message>
</context>
<context>
    <name>script</name>
    <message>
        <source>was stopped</source>
        <translation>wurde angehalten</translation>
    </message>
    <message>
        <source>ended without a word: its process stopped</source>
        <translation>endete ohne ein Wort: sein Prozess hielt an</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kann %1 nicht lesen</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB</source>
        <translation>%1 ist größer als 1 MB</translation>
    </message>
    <message>
        <source>cannot run: python3 is not installed</source>
        <translation>kann nicht laufen: python3 ist nicht installiert</translation>
    </message>
    <message>
        <source>cannot run: no process could be started</source>
        <translation>kann nicht laufen: kein Prozess ließ sich starten</translation>
    </message>
    <message>
        <source>sent a line too long to read</source>
        <translation>schickte eine zu lange Zeile</translation>
    </message>
    <message>
        <source>sent a line it cannot have made: %1</source>
        <translation>schickte eine Zeile, die es nicht gemacht haben kann: %1</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>nach %1 Schritten angehalten</translation>
    </message>
    <message>
        <source>ended with a line it cannot have made</source>
        <translation>endete mit einer Zeile, die es nicht gemacht haben kann</translation>
    </message>
    <message>
        <source>not in order: items %1 and %2</source>
        <translation>nicht geordnet: Elemente %1 und %2</translation>
    </message>
    <message>
        <source>sent more names than a script has</source>
        <translation>schickte mehr Namen, als ein Skript hat</translation>
    </message>
    <message>
        <source>sent more than any script can</source>
        <translation>schickte mehr, als ein Skript schicken kann</translation>
    </message>
    <message>
        <source>sent seconds it cannot have measured</source>
        <translation>meldete Sekunden, die es nicht gemessen haben kann</translation>
    </message>
    <message>
        <source>bubblewrap cannot start here, and the kernel has no Landlock</source>
        <translation>bubblewrap kann hier nicht starten, und der Kernel hat kein Landlock</translation>
    </message>
    <message>
        <source>cannot run: the kernel refused to confine it</source>
        <translation>kann nicht laufen: der Kernel verweigerte, es einzuschränken</translation>
    </message>
    <message>
        <source>ended early, before its sort was done: its process exited with status %1</source>
        <translation>endete zu früh, bevor die Sortierung fertig war: sein Prozess endete mit Status %1</translation>
    </message>
    <message>
        <source>cannot run: the filter of its system calls cannot be made</source>
        <translation>kann nicht laufen: der Filter seiner Systemaufrufe lässt sich nicht erstellen</translation>
    </message>
    <message>
        <source>was not run: it cannot be protected here (%1)</source>
        <translation>wurde nicht ausgeführt: es kann hier nicht geschützt werden (%1)</translation>
    </message>
    <message>
        <source>cannot run: its system calls could not be filtered</source>
        <translation>kann nicht laufen: seine Systemaufrufe ließen sich nicht filtern</translation>
    </message>
    <message>
        <source>sent more notes than its steps can have made</source>
        <translation>schickte mehr Notizen, als seine Schritte gemacht haben können</translation>
    </message>
    <message>
        <source>ended in order, but never compared the %1 and the %2 that end side by side: it read their values another way, so its counts are not a sort&apos;s</source>
        <translation>endete geordnet, verglich aber nie die %1 und die %2, die nebeneinander enden: es las ihre Werte auf anderem Weg, also sind seine Zählungen nicht die einer Sortierung</translation>
    </message>
    <message>
        <source>did not finish within %1 s: is there a loop that never ends?</source>
        <translation>wurde nicht in %1 s fertig: gibt es eine Schleife, die nie endet?</translation>
    </message>
    <message>
        <source>tried to open a file; a sort only needs the list it is given</source>
        <translation>versuchte, eine Datei zu öffnen; eine Sortierung braucht nur die Liste, die sie bekommt</translation>
    </message>
    <message>
        <source>tried to connect to the network; a sort only needs the list it is given</source>
        <translation>versuchte, sich mit dem Netz zu verbinden; eine Sortierung braucht nur die Liste, die sie bekommt</translation>
    </message>
    <message>
        <source>tried to start another program; a sort only needs the list it is given</source>
        <translation>versuchte, ein anderes Programm zu starten; eine Sortierung braucht nur die Liste, die sie bekommt</translation>
    </message>
    <message>
        <source>tried to signal another program; a sort only needs the list it is given</source>
        <translation>versuchte, einem anderen Programm ein Signal zu senden; eine Sortierung braucht nur die Liste, die sie bekommt</translation>
    </message>
    <message>
        <source>tried to change a file; a sort only needs the list it is given</source>
        <translation>versuchte, eine Datei zu ändern; eine Sortierung braucht nur die Liste, die sie bekommt</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>lost items: missing %1; there more than once: %2</source>
        <translation>Elemente verloren: es fehlen %1; mehrfach da: %2</translation>
    </message>
    <message>
        <source> (line %1 wrote over the %2, which never came back)</source>
        <translation> (Zeile %1 überschrieb die %2, die nie zurückkam)</translation>
    </message>
    <message>
        <source>is not written as Python reads it</source>
        <translation>ist nicht so geschrieben, wie Python es liest</translation>
    </message>
    <message>
        <source>has a line indented as Python does not expect</source>
        <translation>hat eine Zeile, die anders eingerückt ist, als Python erwartet</translation>
    </message>
    <message>
        <source>divided by zero</source>
        <translation>teilte durch null</translation>
    </message>
    <message>
        <source>used a place outside the list: a&apos;s places run from 0 to len(a) - 1</source>
        <translation>nutzte eine Stelle außerhalb der Liste: die Stellen von a reichen von 0 bis len(a) - 1</translation>
    </message>
    <message>
        <source>used a name that has no value yet</source>
        <translation>nutzte einen Namen, der noch keinen Wert hat</translation>
    </message>
    <message>
        <source>used a value in a way Python does not allow</source>
        <translation>nutzte einen Wert so, wie Python es nicht erlaubt</translation>
    </message>
    <message>
        <source>asked a value for something it does not have</source>
        <translation>fragte einen Wert nach etwas, das er nicht hat</translation>
    </message>
    <message>
        <source>called itself too deeply: is there a call that never stops?</source>
        <translation>rief sich zu tief selbst auf: gibt es einen Aufruf, der nie aufhört?</translation>
    </message>
    <message>
        <source>used more memory than a sort may</source>
        <translation>brauchte mehr Speicher, als eine Sortierung darf</translation>
    </message>
    <message>
        <source>has no function sort(a): the race calls sort(a) with the list a</source>
        <translation>hat keine Funktion sort(a): das Rennen ruft sort(a) mit der Liste a auf</translation>
    </message>
</context>
</TS>
