<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Code</name>
    <message>
        <source>for pass = 1 to n - 1</source>
        <translation>pour passe = 1 à n - 1</translation>
    </message>
    <message>
        <source>  for i = 1 to n - pass</source>
        <translation>  pour i = 1 à n - passe</translation>
    </message>
    <message>
        <source>    if item i &gt; item i + 1</source>
        <translation>    si élément i &gt; élément i + 1</translation>
    </message>
    <message>
        <source>      exchange items i and i + 1</source>
        <translation>      échanger les éléments i et i + 1</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>m = the largest item: read every item</source>
        <translation>m = le plus grand élément : lire chaque élément</translation>
    </message>
    <message>
        <source>for i = 1 to n: copy item i out to bucket b = floor(n × item i / m), at most n - 1</source>
        <translation>pour i = 1 à n : copier l&apos;élément i dans le paquet b = partie entière(n × élément i / m), au plus n - 1</translation>
    </message>
    <message>
        <source>for each bucket b in turn, write its copies back, from item k on</source>
        <translation>pour chaque paquet b tour à tour : réécrire ses copies, à partir de l&apos;élément k</translation>
    </message>
    <message>
        <source>sort the items of each bucket b by insertion</source>
        <translation>trier les éléments de chaque paquet b par insertion</translation>
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
        <translation>pour k = n / 2 jusqu&apos;à 1 : tamiser l&apos;élément k dans 1..n</translation>
    </message>
    <message>
        <source>for last = n down to 2</source>
        <translation>pour fin = n jusqu&apos;à 2</translation>
    </message>
    <message>
        <source>  exchange items 1 and last; sink item 1 within 1..last - 1</source>
        <translation>  échanger les éléments 1 et fin ; tamiser l&apos;élément 1 dans 1..fin - 1</translation>
    </message>
    <message>
        <source>sink item k within 1..last: while 2k &lt;= last</source>
        <translation>tamiser l&apos;élément k dans 1..fin : tant que 2k &lt;= fin</translation>
    </message>
    <message>
        <source>  j = 2k; if j &lt; last and item j &lt; item j + 1: j = j + 1</source>
        <translation>  j = 2k ; si j &lt; fin et élément j &lt; élément j + 1 : j = j + 1</translation>
    </message>
    <message>
        <source>  if not item k &lt; item j: stop</source>
        <translation>  si non élément k &lt; élément j : arrêter</translation>
    </message>
    <message>
        <source>  exchange items k and j; k = j</source>
        <translation>  échanger les éléments k et j ; k = j</translation>
    </message>
    <message>
        <source>j</source>
        <translation>j</translation>
    </message>
    <message>
        <source>last</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>for i = 2 to n</source>
        <translation>pour i = 2 à n</translation>
    </message>
    <message>
        <source>    exchange items j - 1 and j; j = j - 1</source>
        <translation>    échanger les éléments j - 1 et j ; j = j - 1</translation>
    </message>
    <message>
        <source>take the next part lo..hi, the whole array first, at depth 2 floor(log2 n)</source>
        <translation>prendre la partie suivante lo..hi, d&apos;abord tout le tableau, à profondeur 2 partie entière(log2 n)</translation>
    </message>
    <message>
        <source>  if it has 16 items or fewer: sort it by insertion</source>
        <translation>  si elle a 16 éléments ou moins : la trier par insertion</translation>
    </message>
    <message>
        <source>  else if its depth is 0: sort it by heap sort</source>
        <translation>  sinon si sa profondeur vaut 0 : la trier par tas</translation>
    </message>
    <message>
        <source>  else: bring the median of items lo, (lo + hi) / 2 and hi to hi</source>
        <translation>  sinon : amener la médiane des éléments lo, (lo + hi) / 2 et hi en hi</translation>
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
        <translation>profondeur</translation>
    </message>
    <message>
        <source>  if it has three items or more: mid = (lo + hi) / 2</source>
        <translation>  si elle a trois éléments ou plus : mid = (lo + hi) / 2</translation>
    </message>
    <message>
        <source>    order items lo, mid and hi, exchanging two where they are out of order</source>
        <translation>    ordonner les éléments lo, mid et hi, en échangeant deux mal placés</translation>
    </message>
    <message>
        <source>    exchange items mid and hi: the median of the three is the pivot</source>
        <translation>    échanger les éléments mid et hi : la médiane des trois est le pivot</translation>
    </message>
    <message>
        <source>    i = i + 1; exchange items i and j unless they are one</source>
        <translation>    i = i + 1 ; échanger les éléments i et j, sauf s&apos;ils sont le même</translation>
    </message>
    <message>
        <source>  exchange items i + 1 and hi unless they are one: the pivot is in place</source>
        <translation>  échanger les éléments i + 1 et hi, sauf s&apos;ils sont le même : le pivot est placé</translation>
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
        <translation>pour largeur = 1, 2, 4, ... sous n</translation>
    </message>
    <message>
        <source>  for lo = 1, 1 + 2 width, ...: mid = lo + width - 1, hi = lo + 2 width - 1 or n</source>
        <translation>  pour lo = 1, 1 + 2 largeur, ... : mid = lo + largeur - 1, hi = lo + 2 largeur - 1 ou n</translation>
    </message>
    <message>
        <source>    for k = lo to hi</source>
        <translation>    pour k = lo à hi</translation>
    </message>
    <message>
        <source>      compare the copies left at both ends</source>
        <translation>      comparer les copies restantes aux deux bouts</translation>
    </message>
    <message>
        <source>      write the smaller at item k, the right one where they are equal</source>
        <translation>      écrire la plus petite sur l&apos;élément k, celle de droite si égales</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1: a run ends at i where item i + 1 &lt; item i</source>
        <translation>pour i = 1 à n - 1 : une suite finit en i si élément i + 1 &lt; élément i</translation>
    </message>
    <message>
        <source>while more than one run: merge the first with the second, the third with the fourth, ...</source>
        <translation>tant qu&apos;il y a plus d&apos;une suite : fusionner la première avec la deuxième, la troisième avec la quatrième, ...</translation>
    </message>
    <message>
        <source>  while copies and right items are left: if item j &lt; copy i</source>
        <translation>  tant qu&apos;il reste des copies et des éléments à droite : si élément j &lt; copie i</translation>
    </message>
    <message>
        <source>    write item j at item k, else copy i, the left one where they are equal</source>
        <translation>    écrire l&apos;élément j sur l&apos;élément k, sinon la copie i, celle de gauche si égaux</translation>
    </message>
    <message>
        <source>  write the copies left; the rest of the right run is in place</source>
        <translation>  écrire les copies restantes ; le reste de la suite de droite est en place</translation>
    </message>
    <message>
        <source>    if item j &lt;= pivot</source>
        <translation>    si élément j &lt;= pivot</translation>
    </message>
    <message>
        <source>      i = i + 1; exchange items i and j unless they are one</source>
        <translation>      i = i + 1 ; échanger les éléments i et j, sauf s&apos;ils sont le même</translation>
    </message>
    <message>
        <source>for pass = 1 to 4, a byte of each item&apos;s pattern, the least significant first</source>
        <translation>pour passe = 1 à 4, un octet du motif de chaque élément, le moins significatif d&apos;abord</translation>
    </message>
    <message>
        <source>  for i = 1 to n: read the byte of item i, and count it</source>
        <translation>  pour i = 1 à n : lire l&apos;octet de l&apos;élément i, et le compter</translation>
    </message>
    <message>
        <source>  for i = 1 to n: move item i to the next place for its byte in the scratch area</source>
        <translation>  pour i = 1 à n : placer l&apos;élément i à la place suivante pour son octet dans la zone auxiliaire</translation>
    </message>
    <message>
        <source>  for i = 1 to n: copy place i of the scratch area back to item i</source>
        <translation>  pour i = 1 à n : recopier la place i de la zone auxiliaire sur l&apos;élément i</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1</source>
        <translation>pour i = 1 à n - 1</translation>
    </message>
    <message>
        <source>    if item j &lt; item min: min = j</source>
        <translation>    si élément j &lt; élément min : min = j</translation>
    </message>
    <message>
        <source>  exchange items min and i</source>
        <translation>  échanger les éléments min et i</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>  for i = h + 1 to n</source>
        <translation>  pour i = h + 1 à n</translation>
    </message>
    <message>
        <source>    for j = i, i - h, ... while j &gt; h</source>
        <translation>    pour j = i, i - h, ... tant que j &gt; h</translation>
    </message>
    <message>
        <source>      if not item j &lt; item j - h: next i</source>
        <translation>      si non élément j &lt; élément j - h : i suivant</translation>
    </message>
    <message>
        <source>      exchange items j and j - h</source>
        <translation>      échanger les éléments j et j - h</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>    if item i &lt; item lt: exchange items lt and i; lt = lt + 1; i = i + 1</source>
        <translation>    si élément i &lt; élément lt : échanger les éléments lt et i ; lt = lt + 1 ; i = i + 1</translation>
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
        <translation>  j = i ; tant que élément j - 1 &gt; élément j (l&apos;élément 0 vaut 0)</translation>
    </message>
    <message>
        <source>    partition around it as quick sort does; both parts wait, one less deep, the left first</source>
        <translation>    partitionner autour d&apos;elle comme le tri rapide ; les deux parties attendent, un niveau de moins, la gauche d&apos;abord</translation>
    </message>
    <message>
        <source>take the next part lo..hi of two items or more: the whole array, then the left parts first</source>
        <translation>prendre la partie suivante lo..hi de deux éléments ou plus : tout le tableau, puis les parties de gauche d&apos;abord</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1: if item j &lt;= pivot</source>
        <translation>  pivot = élément hi ; i = lo - 1 ; pour j = lo à hi - 1 : si élément j &lt;= pivot</translation>
    </message>
    <message>
        <source>    copy items lo..mid out</source>
        <translation>    copier à part les éléments lo..mid</translation>
    </message>
    <message>
        <source>    copy items mid + 1..hi out after them, reversed: item mid + 1 last</source>
        <translation>    copier à part les éléments mid + 1..hi à leur suite, à l&apos;envers : l&apos;élément mid + 1 en dernier</translation>
    </message>
    <message>
        <source>  copy the left run, items lo..mid, out; i = lo, j = mid + 1, k = lo</source>
        <translation>  copier à part la suite de gauche, éléments lo..mid ; i = lo, j = mid + 1, k = lo</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1</source>
        <translation>  pivot = élément hi ; i = lo - 1 ; pour j = lo à hi - 1</translation>
    </message>
    <message>
        <source>  min = i; for j = i + 1 to n</source>
        <translation>  min = i ; pour j = i + 1 à n</translation>
    </message>
    <message>
        <source>for h = the first of 1, 4, 13, ... at least n / 3 rounded down, then h / 3, ..., 1</source>
        <translation>pour h = le premier de 1, 4, 13, ... au moins égal à n / 3 arrondi à l&apos;inférieur, puis h / 3, ..., 1</translation>
    </message>
    <message>
        <source>  lt = lo, gt = hi, i = lo + 1; while i &lt;= gt</source>
        <translation>  lt = lo, gt = hi, i = lo + 1 ; tant que i &lt;= gt</translation>
    </message>
    <message>
        <source>    else if item lt &lt; item i: exchange items i and gt unless one, gt = gt - 1; else i = i + 1</source>
        <translation>    sinon si élément lt &lt; élément i : échanger i et gt, sauf si le même, gt = gt - 1 ; sinon i = i + 1</translation>
    </message>
</context>
<context>
    <name>QuestionWords</name>
    <message>
        <source>Will these two, items %1 and %2, be exchanged?</source>
        <translation>Ces deux éléments, %1 et %2, seront-ils échangés ?</translation>
    </message>
    <message>
        <source>Where will item %1 land? Click the place, then press Enter.</source>
        <translation>Où l’élément %1 arrivera-t-il ? Cliquez sur la place, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Which item will it pick as the smallest, for place %1? Click it, then press Enter.</source>
        <translation>Quel élément choisira-t-il comme le plus petit, pour la place %1 ? Cliquez dessus, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Which value is written next, to place %1? Click a copy in the strip or a bar of that value, then press Enter.</source>
        <translation>Quelle valeur est écrite ensuite, à la place %1 ? Cliquez sur une copie dans la bande ou sur une barre de cette valeur, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Where does the pivot, item %1, land? Click the place, then press Enter.</source>
        <translation>Où le pivot, l’élément %1, arrive-t-il ? Cliquez sur la place, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Which two does it exchange next? Click both, then press Enter.</source>
        <translation>Quels deux éléments échange-t-il ensuite ? Cliquez sur les deux, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Which child does item %1 sink to? Click it, then press Enter.</source>
        <translation>Vers quel enfant l’élément %1 descend-il ? Cliquez dessus, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Where does item %1 go in this pass? Click its place, then press Enter.</source>
        <translation>Où va l’élément %1 dans ce passage ? Cliquez sur sa place, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Which bucket does item %1 go to? Choose its number, then press Enter.</source>
        <translation>Dans quel seau va l’élément %1 ? Choisissez son numéro, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Not quite: they are exchanged.</source>
        <translation>Pas tout à fait : ils sont échangés.</translation>
    </message>
    <message>
        <source>Not quite: they stay as they are.</source>
        <translation>Pas tout à fait : ils restent tels quels.</translation>
    </message>
    <message>
        <source>Not quite: it lands at place %1.</source>
        <translation>Pas tout à fait : il arrive à la place %1.</translation>
    </message>
    <message>
        <source>Not quite: it picks item %1.</source>
        <translation>Pas tout à fait : il choisit l’élément %1.</translation>
    </message>
    <message>
        <source>Not quite: it writes %1.</source>
        <translation>Pas tout à fait : il écrit %1.</translation>
    </message>
    <message>
        <source>Not quite: the pivot lands at place %1.</source>
        <translation>Pas tout à fait : le pivot arrive à la place %1.</translation>
    </message>
    <message>
        <source>Not quite: it exchanges items %1 and %2.</source>
        <translation>Pas tout à fait : il échange les éléments %1 et %2.</translation>
    </message>
    <message>
        <source>Not quite: it sinks to item %1.</source>
        <translation>Pas tout à fait : il descend vers l’élément %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to place %1.</source>
        <translation>Pas tout à fait : il va à la place %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to bucket %1.</source>
        <translation>Pas tout à fait : il va dans le seau %1.</translation>
    </message>
    <message>
        <source>exchanged or not</source>
        <translation>échangés ou non</translation>
    </message>
    <message>
        <source>where it lands</source>
        <translation>où il arrive</translation>
    </message>
    <message>
        <source>the smallest</source>
        <translation>le plus petit</translation>
    </message>
    <message>
        <source>the value written</source>
        <translation>la valeur écrite</translation>
    </message>
    <message>
        <source>where the pivot lands</source>
        <translation>où arrive le pivot</translation>
    </message>
    <message>
        <source>the next exchange</source>
        <translation>le prochain échange</translation>
    </message>
    <message>
        <source>the child</source>
        <translation>l’enfant</translation>
    </message>
    <message>
        <source>less, equal or greater</source>
        <translation>inférieur, égal ou supérieur</translation>
    </message>
    <message>
        <source>where it goes</source>
        <translation>où il va</translation>
    </message>
    <message>
        <source>the bucket</source>
        <translation>le seau</translation>
    </message>
    <message>
        <source>Not quite: it is less than the pivot.</source>
        <translation>Pas tout à fait : il est inférieur au pivot.</translation>
    </message>
    <message>
        <source>Not quite: it is greater than the pivot.</source>
        <translation>Pas tout à fait : il est supérieur au pivot.</translation>
    </message>
    <message>
        <source>Not quite: it is equal to the pivot.</source>
        <translation>Pas tout à fait : il est égal au pivot.</translation>
    </message>
    <message>
        <source>Is item %1 less than, equal to or greater than the pivot, item %2?</source>
        <translation>L’élément %1 est-il inférieur, égal ou supérieur au pivot, l’élément %2 ?</translation>
    </message>
</context>
<context>
    <name>RaceWindow</name>
    <message>
        <source>Sorting Race</source>
        <translation>Course de tris</translation>
    </message>
    <message>
        <source>&amp;Items:</source>
        <translation>É&amp;léments :</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Nombre d&apos;éléments</translation>
    </message>
    <message>
        <source>How many items race, 1 to 2000, or the items themselves: 2 to 2000 numbers such as 5 3 8 1 9; press Enter to take them</source>
        <translation>Combien d&apos;éléments font la course, de 1 à 2000, ou les éléments eux-mêmes : 2 à 2000 nombres comme 5 3 8 1 9 ; Entrée pour les prendre</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Ordre :</translation>
    </message>
    <message>
        <source>Initial order</source>
        <translation>Ordre initial</translation>
    </message>
    <message>
        <source>How the items stand before the race</source>
        <translation>L&apos;ordre des éléments avant la course</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Graine aléatoire</translation>
    </message>
    <message>
        <source>The same seed, count and order give the same items; press Enter to take it</source>
        <translation>La même graine, le même nombre et le même ordre donnent les mêmes éléments ; Entrée pour la prendre</translation>
    </message>
    <message>
        <source>New items</source>
        <translation>Nouveaux éléments</translation>
    </message>
    <message>
        <source>Draw new random items with a new seed</source>
        <translation>Tirer de nouveaux éléments au hasard avec une nouvelle graine</translation>
    </message>
    <message>
        <source>&amp;Methods:</source>
        <translation>&amp;Méthodes :</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Méthodes</translation>
    </message>
    <message>
        <source>Which methods race: two or more</source>
        <translation>Les méthodes qui font la course : deux ou plus</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Start or pause the race (Space)</source>
        <translation>Lancer ou mettre en pause la course (Espace)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Every method goes back by one step (Left); hold to go on back</source>
        <translation>Chaque méthode recule d&apos;une étape (Gauche) ; maintenir pour continuer à reculer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Every method goes on by one step (Right); hold to go on</source>
        <translation>Chaque méthode avance d&apos;une étape (Droite) ; maintenir pour continuer</translation>
    </message>
    <message>
        <source>S&amp;peed:</source>
        <translation>&amp;Vitesse :</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Steps per second, on a logarithmic scale (+ and -)</source>
        <translation>Étapes par seconde, sur une échelle logarithmique (+ et -)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Back to the start with the same items (R)</source>
        <translation>Retour au début avec les mêmes éléments (R)</translation>
    </message>
    <message>
        <source>So&amp;und</source>
        <translation>So&amp;n</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Prédire</translation>
    </message>
    <message>
        <source>Marked: in black the two items compared, in amber the items moved or written</source>
        <translation>Marqués : en noir les deux éléments comparés, en ambre les éléments déplacés ou écrits</translation>
    </message>
    <message>
        <source>Click a panel, or Tab to it and press Enter, to see its code beside the bars; Esc to leave it</source>
        <translation>Cliquer sur un panneau, ou y aller avec Tab et appuyer sur Entrée, pour voir son code à côté des barres ; Échap pour en sortir</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>The race on the whole screen, for a projector (F11); Ctrl and plus or minus make every text and mark larger or smaller, Ctrl and 0 as usual</source>
        <translation>La course sur tout l&apos;écran, pour un vidéoprojecteur (F11) ; Ctrl et plus ou moins agrandissent ou réduisent textes et marques, Ctrl et 0 comme d&apos;habitude</translation>
    </message>
    <message>
        <source>S&amp;tep of the race:</source>
        <translation>É&amp;tape de la course :</translation>
    </message>
    <message>
        <source>Step of the race</source>
        <translation>Étape de la course</translation>
    </message>
    <message>
        <source>Drag to go to any step at once; Home and End go to the start and the end, Page Up and Page Down a tenth back or on</source>
        <translation>Faites glisser pour aller à n&apos;importe quelle étape d&apos;un coup ; Début et Fin vont au début et à la fin, Page précédente et Page suivante d&apos;un dixième en arrière ou en avant</translation>
    </message>
    <message>
        <source>Before each decision of the method you look at, guess what it does: click the bars, or choose with the arrow keys and Space, then press Enter; or answer with the buttons below (P)</source>
        <translation>Avant chaque décision de la méthode observée, devinez ce qu’elle fait : cliquez sur les barres, ou choisissez avec les flèches et Espace, puis appuyez sur Entrée ; ou répondez avec les boutons en bas (P)</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Votre tri…</translation>
    </message>
    <message>
        <source>Race a sort of your own: a Python file that defines sort(a)</source>
        <translation>Faire courir un tri de votre cru : un fichier Python qui définit sort(a)</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Keep the race as it is set in a lesson file, open one (Ctrl+S, Ctrl+O), or copy it as a command line</source>
        <translation>Garder la course telle qu&apos;elle est réglée dans un fichier de leçon, en ouvrir un (Ctrl+S, Ctrl+O), ou la copier comme ligne de commande</translation>
    </message>
</context>
<context>
    <name>StepWords</name>
    <message>
        <source>%1 (copy of item %2)</source>
        <translation>%1 (copie de l&apos;élément %2)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (élément %2)</translation>
    </message>
    <message>
        <source>compares %1 and %2</source>
        <translation>compare %1 et %2</translation>
    </message>
    <message>
        <source>exchange: holds %1</source>
        <translation>échange : prend %1 en main</translation>
    </message>
    <message>
        <source>exchange: moves %1 from item %2 to item %3</source>
        <translation>échange : déplace %1 de l&apos;élément %2 à l&apos;élément %3</translation>
    </message>
    <message>
        <source>exchange: puts %1 from the hand at item %2</source>
        <translation>échange : pose %1 de la main sur l&apos;élément %2</translation>
    </message>
    <message>
        <source>copies %1 out</source>
        <translation>copie %1 à part</translation>
    </message>
    <message>
        <source>writes %1 at item %2</source>
        <translation>écrit %1 sur l&apos;élément %2</translation>
    </message>
    <message>
        <source>moves %1 from item %2 to item %3</source>
        <translation>déplace %1 de l&apos;élément %2 à l&apos;élément %3</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>lit %1</translation>
    </message>
    <message>
        <source>merge %1</source>
        <translation>fusion : %1</translation>
    </message>
    <message>
        <source>%1 (the sentinel before item 1)</source>
        <translation>%1 (la sentinelle avant l&apos;élément 1)</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <source>unknown method &quot;%1&quot; (choose from %2, or all)</source>
        <translation>méthode inconnue « %1 » (au choix : %2, ou all)</translation>
    </message>
    <message>
        <source>--methods needs at least one method</source>
        <translation>--methods demande au moins une méthode</translation>
    </message>
    <message>
        <source>unknown order &quot;%1&quot; (choose from %2, or all)</source>
        <translation>ordre inconnu « %1 » (au choix : %2, ou all)</translation>
    </message>
    <message>
        <source>--orders needs at least one order</source>
        <translation>--orders demande au moins un ordre</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;; did you mean %2?</source>
        <translation>option inconnue « %1 » ; vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>--script needs python3 (/usr/bin/python3), which is not installed</source>
        <translation>--script a besoin de python3 (/usr/bin/python3), qui n’est pas installé</translation>
    </message>
    <message>
        <source>--script: a script cannot be protected here (%1); --unprotected runs it all the same, able to read and change whatever you can</source>
        <translation>--script : un script ne peut pas être protégé ici (%1) ; --unprotected l’exécute quand même, et il peut alors lire et modifier tout ce que vous pouvez</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>« %1 » est un dossier</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de dossier « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>« %1 » n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>cannot write in &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire dans « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 must be a number, not &quot;%2&quot;</source>
        <translation>%1 doit être un nombre, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 must be a positive number of seconds</source>
        <translation>%1 doit être un nombre positif de secondes</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a count must be from 1 to 2147483647, not %1</source>
        <translation>un nombre doit aller de 1 à 2147483647, pas %1</translation>
    </message>
    <message>
        <source>--from must not be above --to</source>
        <translation>--from ne doit pas dépasser --to</translation>
    </message>
    <message>
        <source>the seed &quot;%1&quot; is beyond the range of numbers</source>
        <translation>la graine « %1 » dépasse la plage des nombres</translation>
    </message>
    <message>
        <source>the chart&apos;s file name must end in .svg or .png</source>
        <translation>le nom de fichier du graphique doit finir par .svg ou .png</translation>
    </message>
    <message>
        <source>counts are written without thousands separators: 1000, not 1,000</source>
        <translation>les nombres s&apos;écrivent sans séparateur de milliers : 1000, pas 1,000</translation>
    </message>
    <message>
        <source>--counts needs at least one count</source>
        <translation>--counts demande au moins un nombre</translation>
    </message>
    <message>
        <source>give either --counts or --from/--to, not both</source>
        <translation>donnez --counts ou --from/--to, pas les deux</translation>
    </message>
    <message>
        <source>the budget</source>
        <translation>le budget</translation>
    </message>
    <message>
        <source>the limit</source>
        <translation>la limite</translation>
    </message>
    <message>
        <source>the repeat count</source>
        <translation>le nombre de répétitions</translation>
    </message>
    <message>
        <source>the repeat count must be 1 or more</source>
        <translation>le nombre de répétitions doit valoir 1 ou plus</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <translation>Utilisation : %1 [options]
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
        <translation>Trie des éléments avec chaque méthode, pour des nombres croissants, et donne la
durée du tri seul, les comparaisons, échanges, fusions et déplacements, et si
le résultat est en ordre. Chaque ligne s&apos;écrit dès que son passage est fini.

Avant chaque passage, sa durée est estimée, d&apos;après les passages précédents de
la méthode ou un court étalonnage ; un passage estimé plus long que
--max-seconds n&apos;est pas lancé, et sa ligne indique « ignoré » avec
l&apos;estimation. Dans une série doublée (--from, --to), une méthode cesse aussi de
grandir après un passage plus long que --budget, avec une ligne ignorée qui le
dit ; les nombres de --counts sont tous passés. Ctrl-C arrête le programme
aussitôt, avec les lignes déjà faites (et le graphique) complètes.

Sans option, chaque méthode trie des éléments aléatoires en nombres doublés de
500 à 1024000, et s&apos;arrête après un passage de plus d&apos;une seconde.

</translation>
    </message>
    <message>
        <source>  --methods LIST   the methods to compare, from these, or all (default: all):
</source>
        <translation>  --methods LIST   les méthodes à comparer, parmi celles-ci, ou all
                   (par défaut : all) :
</translation>
    </message>
    <message>
        <source>  --orders LIST    how the items stand before the sort, from these, or all
                   (default: random):
</source>
        <translation>  --orders LIST    l&apos;ordre des éléments avant le tri, parmi ceux-ci, ou all
                   (par défaut : random) :
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
        <translation>Exemples :
  %1 --seed 1 --chart growth.png
      la croissance de chaque méthode sur des éléments aléatoires, en tableau
      et en graphique
  %1 --orders all --counts 1000,4000,16000 --seed 1
      chaque méthode sur chaque ordre initial des éléments
  %1 --methods merge --counts 10000000 --repeat 1
      une méthode sur un grand nombre
</translation>
    </message>
    <message>
        <source>skipped %1 on %2 items at %3, which would take %4, over the limit of %5 s; to run it, raise the limit: --max-seconds %6</source>
        <translation>%1 ignoré sur %3 éléments (%2) : durerait %4, au-delà de la limite de %5 s ; pour le lancer, relevez la limite : --max-seconds %6</translation>
    </message>
    <message>
        <source>%1 grows no further on %2 items: its run at %3 took %4 s with its counting run, over the budget of %5 s; to go on, raise it: --budget %6</source>
        <translation>%1 ne grandit plus sur les éléments (%2) : son passage à %3 a pris %4 s avec son comptage, au-delà du budget de %5 s ; pour continuer, relevez-le : --budget %6</translation>
    </message>
    <message>
        <source>between runs</source>
        <translation>entre deux passages</translation>
    </message>
    <message>
        <source>its counting run</source>
        <translation>son passage de comptage</translation>
    </message>
    <message>
        <source>during %1 on %2 items at %3 (%4)</source>
        <translation>pendant %1 sur %3 éléments (%2, %4)</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>moins d&apos;une seconde</translation>
    </message>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>environ %n seconde</numerusform>
            <numerusform>environ %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>environ %n minute</numerusform>
            <numerusform>environ %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s)</source>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s)</source>
        <translation>
            <numerusform>environ %n jour</numerusform>
            <numerusform>environ %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n year(s)</source>
        <translation>
            <numerusform>environ %n an</numerusform>
            <numerusform>environ %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>number of items</source>
        <translation>nombre d&apos;éléments</translation>
    </message>
    <message>
        <source>time of the sort (log-log)</source>
        <translation>durée du tri (log-log)</translation>
    </message>
    <message>
        <source>cannot write the chart to %1</source>
        <translation>impossible d&apos;écrire le graphique dans %1</translation>
    </message>
    <message>
        <source>cannot write the chart to %1: %2</source>
        <translation>impossible d&apos;écrire le graphique dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot draw the chart for %1</source>
        <translation>impossible de dessiner le graphique pour %1</translation>
    </message>
    <message>
        <source>counting</source>
        <translation>comptage</translation>
    </message>
    <message>
        <source>%1, %2, %3 items: %4, %5 s so far of %6</source>
        <translation>%1, %2, %3 éléments : %4, %5 s jusqu&apos;ici sur %6</translation>
    </message>
    <message>
        <source>repeat %1 of %2</source>
        <translation>répétition %1 sur %2</translation>
    </message>
    <message>
        <source>method</source>
        <translation>méthode</translation>
    </message>
    <message>
        <source>order</source>
        <translation>ordre</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>comparisons</source>
        <translation>comparaisons</translation>
    </message>
    <message>
        <source>exchanges</source>
        <translation>échanges</translation>
    </message>
    <message>
        <source>merges</source>
        <translation>fusions</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>déplacements</translation>
    </message>
    <message>
        <source>in order</source>
        <translation>en ordre</translation>
    </message>
    <message>
        <source>reads</source>
        <translation>lectures</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>note</source>
        <translation>remarque</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>cannot write the chart: %1</source>
        <translation>impossible d&apos;écrire le graphique : %1</translation>
    </message>
    <message>
        <source>interrupted by %1 %2; %3</source>
        <translation>interrompu par %1 %2 ; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) complete</source>
        <translation>
            <numerusform>%n ligne complète</numerusform>
            <numerusform>%n lignes complètes</numerusform>
        </translation>
    </message>
    <message>
        <source>no run was made</source>
        <translation>aucun passage n&apos;a été fait</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>seconds in Python, every step reported</source>
        <translation>secondes en Python, chaque étape signalée</translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n second(s)</source>
        <translation>
            <numerusform>environ %1 à %n seconde</numerusform>
            <numerusform>environ %1 à %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n minute(s)</source>
        <translation>
            <numerusform>environ %1 à %n minute</numerusform>
            <numerusform>environ %1 à %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n hour(s)</source>
        <translation>
            <numerusform>environ %1 à %n heure</numerusform>
            <numerusform>environ %1 à %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n day(s)</source>
        <translation>
            <numerusform>environ %1 à %n jour</numerusform>
            <numerusform>environ %1 à %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n year(s)</source>
        <translation>
            <numerusform>environ %1 à %n an</numerusform>
            <numerusform>environ %1 à %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>--orders every takes counts from 2 to %1</source>
        <translation>--orders every prend des nombres de 2 à %1</translation>
    </message>
    <message>
        <source>--orders every does not go with --script</source>
        <translation>--orders every ne va pas avec --script</translation>
    </message>
    <message>
        <source>                   or every: each of the n! orders of n distinct items, at
                   counts from 2 to 10 (default: 2 to 8); the fewest, mean and
                   most of each figure, with a worst and a best order
</source>
        <translation>                   ou every : chacun des n! ordres de n éléments distincts,
                   pour des nombres de 2 à 10 (par défaut : 2 à 8) ; le minimum,
                   la moyenne et le maximum de chaque mesure, avec un pire et
                   un meilleur ordre
</translation>
    </message>
    <message>
        <source>fewest</source>
        <translation>min</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>most</source>
        <translation>max</translation>
    </message>
    <message>
        <source>worst: %1; best: %2</source>
        <translation>pire : %1 ; meilleur : %2</translation>
    </message>
    <message>
        <source>the chart shows seconds, comparisons or moves, not &quot;%1&quot;</source>
        <translation>le graphique montre seconds, comparisons ou moves, pas « %1 »</translation>
    </message>
    <message>
        <source>the scale is log or linear, not &quot;%1&quot;</source>
        <translation>l’échelle est log ou linear, pas « %1 »</translation>
    </message>
    <message>
        <source>  --chart FILE     also draw a chart of the rows into FILE (.svg, .png)
  --chart-of WHAT  what the chart shows against the count: seconds,
                   comparisons or moves (default: seconds); a script&apos;s rows
                   are drawn where it shows a count
  --scale SCALE    log (log-log, the default) or linear axes
</source>
        <translation>  --chart FILE     tracer aussi un graphique des lignes dans FILE (.svg, .png)
  --chart-of WHAT  ce que le graphique montre selon le nombre : seconds,
                   comparisons ou moves (par défaut : seconds) ; les lignes
                   d’un script y sont quand il montre un compte
  --scale SCALE    axes log (log-log, par défaut) ou linear
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
        <translation>  --quiet          pas de ligne de progression sur la sortie d&apos;erreur
  -h, --help       afficher ce texte
  --version        afficher la version du programme

Code de sortie : 0 si au moins un passage a été fait, 1 si aucun ou si un
script a échoué, 2 pour une ligne de commande impossible à suivre, 130 ou 143
en cas d&apos;interruption par SIGINT ou SIGTERM.

</translation>
    </message>
    <message>
        <source>comparisons (log-log)</source>
        <translation>comparaisons (log-log)</translation>
    </message>
    <message>
        <source>item moves (log-log)</source>
        <translation>déplacements (log-log)</translation>
    </message>
    <message>
        <source>item moves</source>
        <translation>déplacements</translation>
    </message>
    <message>
        <source>time of the sort</source>
        <translation>durée du tri</translation>
    </message>
    <message>
        <source>%1, by the initial order of the items</source>
        <translation>%1, selon l’ordre initial des éléments</translation>
    </message>
    <message>
        <source>  --wide           every column in the table: also the exchanges, the merges,
                   the reads and whether equal items kept their order
</source>
        <translation>  --wide           toutes les colonnes du tableau : aussi les échanges, les
                   fusions, les lectures et si les éléments égaux ont gardé
                   leur ordre
</translation>
    </message>
    <message>
        <source>per 2×</source>
        <translation>par 2×</translation>
    </message>
    <message>
        <source>budget spent: %2 s at %1, timed and counting</source>
        <translation>budget épuisé : %2 s à %1 avec comptage</translation>
    </message>
    <message>
        <source>Python&apos;s seconds</source>
        <translation>secondes de Python</translation>
    </message>
    <message>
        <source>--orders every counts and does not time: chart its comparisons or moves</source>
        <translation>--orders every compte et ne chronomètre pas : tracez ses comparaisons (comparisons) ou déplacements (moves)</translation>
    </message>
    <message>
        <source>%1: the mean over every order, shaded from the fewest to the most</source>
        <translation>%1 : la moyenne sur chaque ordre, ombrée du minimum au maximum</translation>
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
        <translation>  --counts LIST    les nombres à passer, par exemple 1000,5000,20000
  --from N         une série de nombres doublés à partir de N (défaut : 500) ...
  --to M           ... jusqu&apos;à M (par défaut : 1024000)
  --seed S         fixe la graine aléatoire, comme &quot;Fix Random Seed&quot; (par
                   défaut : une graine tirée de l&apos;horloge)
  --script FILE    aussi un tri de votre cru : FILE définit sort(a) en
                   Python 3 et est compté comme les méthodes, une ligne par
                   nombre et ordre (donné plusieurs fois, une ligne pour
                   chacun) ; ses secondes sont celles de Python. Il s&apos;exécute
                   dans /usr/bin/python3, dans un bac à sable (bubblewrap, ou
                   sinon Landlock du noyau), sans pouvoir lancer un programme,
                   se connecter ni modifier un fichier. Son a[0] est l&apos;élément
                   1 dans les messages, les places comptant ici à partir de 1
  --unprotected    exécuter les scripts là où aucun bac à sable ne marche :
                   ils peuvent alors lire tout ce que vous pouvez lire
  --budget SECS    dans une série, une méthode cesse de grandir après un
                   passage (ses passages chronométrés et son comptage) plus
                   long que ceci (par défaut : 1)
  --max-seconds S  un passage estimé plus long que ceci est ignoré
                   (par défaut : 60)
  --repeat K       chronométrer chaque passage K fois et garder le meilleur
                   (par défaut : 3 ; un tri de plus d&apos;une seconde n&apos;est alors
                   chronométré qu&apos;une fois)
  --csv            écrire du CSV au lieu du tableau aligné
</translation>
    </message>
    <message>
        <source>every order takes the same steps</source>
        <translation>chaque ordre prend les mêmes pas</translation>
    </message>
</context>
<context>
    <name>method</name>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>picks the smallest item left and exchanges it into place</source>
        <translation>prend le plus petit élément restant et l&apos;échange à sa place</translation>
    </message>
    <message>
        <source>Insertion</source>
        <translation>Insertion</translation>
    </message>
    <message>
        <source>moves each item down past the greater items before it</source>
        <translation>insère chaque élément avant les plus grands qui précèdent</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>À bulles</translation>
    </message>
    <message>
        <source>exchanges neighbours out of order, pass after pass</source>
        <translation>échange les voisins mal ordonnés, passe après passe</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>merges neighbouring runs of 1, 2, 4, ... items, bottom up</source>
        <translation>fusionne les suites voisines de 1, 2, 4, ... éléments</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>Shell</translation>
    </message>
    <message>
        <source>insertion sort of items h apart, for h = ..., 13, 4, 1</source>
        <translation>insertion des éléments distants de h, h = ..., 13, 4, 1</translation>
    </message>
    <message>
        <source>Heap</source>
        <translation>Par tas</translation>
    </message>
    <message>
        <source>builds a heap, then takes its largest item off, one by one</source>
        <translation>construit un tas, puis en retire le plus grand, un à un</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>partitions around the last item, then sorts each part</source>
        <translation>partitionne autour du dernier, puis trie chaque partie</translation>
    </message>
    <message>
        <source>Median quick</source>
        <translation>Rapide médian</translation>
    </message>
    <message>
        <source>quick sort around the median of three items</source>
        <translation>tri rapide autour de la médiane de trois éléments</translation>
    </message>
    <message>
        <source>3-way quick</source>
        <translation>Rapide 3 voies</translation>
    </message>
    <message>
        <source>parts into less than, equal to and greater than the pivot</source>
        <translation>partage en plus petits, égaux et plus grands que le pivot</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Introsort</translation>
    </message>
    <message>
        <source>median quick, small parts by insertion, heap when too deep</source>
        <translation>rapide médian, insertion si petit, tas si trop profond</translation>
    </message>
    <message>
        <source>Natural merge</source>
        <translation>Fusion naturelle</translation>
    </message>
    <message>
        <source>merges the runs the items already stand in</source>
        <translation>fusionne les suites déjà présentes dans les éléments</translation>
    </message>
    <message>
        <source>Radix</source>
        <translation>Par base</translation>
    </message>
    <message>
        <source>four passes by one byte of each item, with no comparison</source>
        <translation>quatre passes, un octet de chaque élément, sans comparer</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Par paquets</translation>
    </message>
    <message>
        <source>a bucket for each share of the largest, then insertion</source>
        <translation>un paquet par part du plus grand élément, puis insertion</translation>
    </message>
</context>
<context>
    <name>order</name>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>random items, as the window makes them</source>
        <translation>éléments aléatoires, comme la fenêtre les crée</translation>
    </message>
    <message>
        <source>sorted</source>
        <translation>trié</translation>
    </message>
    <message>
        <source>distinct random items, already in order</source>
        <translation>éléments aléatoires distincts, déjà en ordre</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>distinct random items in reverse order</source>
        <translation>éléments aléatoires distincts en ordre inverse</translation>
    </message>
    <message>
        <source>nearly-sorted</source>
        <translation>presque trié</translation>
    </message>
    <message>
        <source>sorted, then 1 % of the items each swapped up to 10 places</source>
        <translation>trié, puis 1 % des éléments échangés chacun jusqu&apos;à 10 places</translation>
    </message>
    <message>
        <source>few-unique</source>
        <translation>peu de valeurs</translation>
    </message>
    <message>
        <source>random items of only 8 distinct values</source>
        <translation>éléments aléatoires de 8 valeurs distinctes seulement</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 items need %2; %3 is available.</source>
        <translation>%1 éléments demandent %2 ; %3 sont disponibles.</translation>
    </message>
</context>
<context>
    <name>race</name>
    <message>
        <source>“%1” is not a number.</source>
        <translation>« %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>“%1” is negative; the items must be 0 or more.</source>
        <translation>« %1 » est négatif ; les éléments doivent valoir 0 ou plus.</translation>
    </message>
    <message>
        <source>“%1” is too large; an item may be at most 3.4e38.</source>
        <translation>« %1 » est trop grand ; un élément vaut au plus 3.4e38.</translation>
    </message>
    <message>
        <source>Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers.</source>
        <translation>Saisissez un nombre de 1 à 2 000, ou une liste de 2 à 2 000 nombres.</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>« %1 » est trop grand.</translation>
    </message>
    <message>
        <source>A list holds 2,000 numbers at the most, not %1.</source>
        <translation>Une liste compte 2 000 nombres au plus, pas %1.</translation>
    </message>
    <message>
        <source>a race needs two methods or more</source>
        <translation>une course demande deux méthodes ou plus</translation>
    </message>
    <message>
        <source>Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from these, or all
                   (default: selection,insertion,bubble,merge):
</source>
        <translation>Fait courir des méthodes de tri côte à côte sur les mêmes éléments, au rythme
de leur travail.

  --methods LIST   les méthodes qui font la course, deux ou plus, parmi
                   celles-ci, ou all
                   (par défaut : selection,insertion,bubble,merge) :
</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: its first line is not &quot;sortrace = 1&quot;</source>
        <translation>ce n&apos;est pas une leçon de sorting-race : sa première ligne n&apos;est pas &quot;sortrace = 1&quot;</translation>
    </message>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>le fichier dépasse 1 Mo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: it is not text</source>
        <translation>ce n&apos;est pas une leçon de sorting-race : ce n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>not a setting (name = value)</source>
        <translation>pas un réglage (nom = valeur)</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>A lesson of sorting-race: a setting a line, as its options name them.</source>
        <translation>Une leçon de sorting-race : un réglage par ligne, nommé comme ses options.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on ou off</translation>
    </message>
    <message>
        <source>steps a second, from 1 to 10000000</source>
        <translation>étapes par seconde, de 1 à 10000000</translation>
    </message>
    <message>
        <source>random, sorted, reversed, nearly-sorted or few-unique</source>
        <translation>random, sorted, reversed, nearly-sorted ou few-unique</translation>
    </message>
    <message>
        <source>100 to 300, in steps of 25</source>
        <translation>100 à 300, par pas de 25</translation>
    </message>
    <message>
        <source>one lesson file at a time</source>
        <translation>un fichier de leçon à la fois</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [LESSON.sortrace]
</source>
        <translation>Utilisation : %1 [options] [LESSON.sortrace]
</translation>
    </message>
    <message>
        <source>--focus: %1 is no method a worksheet is made for</source>
        <translation>--focus : %1 n&apos;est pas une méthode dont on fait une fiche</translation>
    </message>
    <message>
        <source>--worksheet: %1 items at the most</source>
        <translation>--worksheet : %1 éléments au plus</translation>
    </message>
    <message>
        <source>Wrote %1: the worksheet of %2, its answer key on the last page.</source>
        <translation>%1 écrit : la fiche de %2, son corrigé en dernière page.</translation>
    </message>
    <message>
        <source>--steps: from a step to a later one, such as 0..500</source>
        <translation>--steps : d&apos;une étape à une étape ultérieure, ex. 0..500</translation>
    </message>
    <message>
        <source>--size: width x height in even numbers, 64x64 to 3840x2160, such as 1280x720</source>
        <translation>--size : largeur x hauteur en nombres pairs, 64x64 à 3840x2160, ex. 1280x720</translation>
    </message>
    <message>
        <source>frame %1 of %2</source>
        <translation>image %1 sur %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 écrit.</translation>
    </message>
    <message>
        <source>a lesson&apos;s script must be a .py file in the lesson&apos;s folder, named from there</source>
        <translation>le script d&apos;une leçon doit être un fichier .py du dossier de la leçon, nommé depuis celui-ci</translation>
    </message>
    <message>
        <source>a lesson races %1 scripts at the most</source>
        <translation>une leçon fait courir %1 scripts au plus</translation>
    </message>
    <message>
        <source>  --worksheet FILE write a worksheet (PDF) of the --focus method on the items
                   (12 at the most) and its answer key, and show no window
</source>
        <translation>  --worksheet FILE écrire une fiche d&apos;exercice (PDF) de la méthode --focus sur
                   les éléments (12 au plus) et son corrigé, sans fenêtre
</translation>
    </message>
    <message>
        <source>  --export FILE    write the race as a video, MP4 (with its sound where --sound
                   is on) or, named *.gif, an animated GIF, and show no window
  --steps A..B     the video from step A to step B (default: the whole race)
  --size WxH       the video&apos;s size (default: 1280x720)
</source>
        <translation>  --export FILE    écrire la course en vidéo, MP4 (avec son son si --sound est
                   actif) ou, nommée *.gif, un GIF animé, sans fenêtre
  --steps A..B     la vidéo de l&apos;étape A à l&apos;étape B (sinon toute la course)
  --size WxH       la taille de la vidéo (sinon 1280x720)
</translation>
    </message>
    <message>
        <source>one file to write at a time</source>
        <translation>un seul fichier à écrire à la fois</translation>
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
        <translation>  --items LIST     combien d&apos;éléments courent (1 à 2000), ou les éléments
                   eux-mêmes : 2 à 2000 nombres, aucun négatif, ex. &quot;5 3 8 1 9&quot;
  --order NAME     l&apos;ordre initial des éléments : random, sorted, reversed,
                   nearly-sorted ou few-unique
  --seed N         la graine dont les éléments aléatoires sont tirés
  --speed N        étapes par seconde, de 1 à 10000000
  --zoom PERCENT   chaque texte plus grand : 100 à 300, par pas de 25
  --focus METHOD   regarder de près cette méthode (ou le nom de fichier d&apos;un
                   script)
  --predict        demander chaque décision de la méthode regardée
  --full-screen    remplir l&apos;écran
  --step N         se placer à cette étape de la course
</translation>
    </message>
    <message>
        <source>--script-seconds: a whole number of seconds, 1 to 600</source>
        <translation>--script-seconds : un nombre entier de secondes, de 1 à 600</translation>
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
        <translation>  --sound          faire entendre chaque étape, un son plus aigu pour un plus
                   grand élément (retenu)
  --script FILE    faire courir aussi un tri de votre cru : FILE définit
                   sort(a) en Python 3 (plusieurs fois : un panneau chacun) ; il
                   s&apos;exécute dans /usr/bin/python3, dans un bac à sable
                   (bubblewrap, ou sinon Landlock du noyau), sans pouvoir lancer
                   un programme, se connecter ni modifier un fichier. Son a[0]
                   est l&apos;élément 1 sur les barres, les places comptant ici à
                   partir de 1
  --unprotected    faire courir les scripts là où aucun bac à sable ne marche :
                   ils peuvent alors lire tout ce que vous pouvez lire
  --script-seconds N
                   le temps que chaque script peut prendre, de 1 à 600 secondes
                   (par défaut : 10)
  LESSON.sortrace  ouvrir une leçon enregistrée depuis la course (les options
                   s&apos;appliquent ensuite)
  -h, --help       afficher ce texte
  --version        afficher la version du programme
</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>%1 is no method&apos;s name</source>
        <translation>%1 n’est le nom d’aucune méthode</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1 : vouliez-vous dire %2 ?</translation>
    </message>
</context>
<context>
    <name>race_export::Exports</name>
    <message>
        <source>Exporting the race to %1...</source>
        <translation>Export de la course vers %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exported the race to %1.</source>
        <translation>Course exportée vers %1.</translation>
    </message>
    <message>
        <source>Click a method&apos;s panel first: the worksheet is made for the method looked at.</source>
        <translation>Cliquez d&apos;abord sur le panneau d&apos;une méthode : la fiche est faite pour la méthode regardée.</translation>
    </message>
    <message>
        <source>A worksheet traces %1 items at the most; type fewer.</source>
        <translation>Une fiche suit %1 éléments au plus ; tapez-en moins.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Wrote the worksheet %1, its answer key on the last page.</source>
        <translation>Fiche %1 écrite, son corrigé en dernière page.</translation>
    </message>
    <message>
        <source>Export video...</source>
        <translation>Exporter une vidéo...</translation>
    </message>
    <message>
        <source>Videos (*.mp4);;Animated GIF (*.gif)</source>
        <translation>Vidéos (*.mp4);;GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Worksheet...</source>
        <translation>Fiche d&apos;exercice...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>race_export::RaceVideo</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>L&apos;export a été annulé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>it cannot be renamed</source>
        <translation>il ne peut pas être renommé</translation>
    </message>
</context>
<context>
    <name>race_export::Worksheet</name>
    <message>
        <source>before</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Fiche d&apos;exercice : %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>The items: %1</source>
        <translation>Les éléments : %1</translation>
    </message>
    <message>
        <source>Write down the items after each merge.</source>
        <translation>Notez les éléments après chaque fusion.</translation>
    </message>
    <message>
        <source>Write down the items after each pass.</source>
        <translation>Notez les éléments après chaque passe.</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Corrigé : %1</translation>
    </message>
</context>
<context>
    <name>race_window::AnswerBar</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Less</source>
        <translation>In&amp;férieur</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Égal</translation>
    </message>
    <message>
        <source>&amp;Greater</source>
        <translation>&amp;Supérieur</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Seau</translation>
    </message>
    <message>
        <source>bucket </source>
        <translation>seau </translation>
    </message>
    <message>
        <source>bucket ?</source>
        <translation>seau ?</translation>
    </message>
</context>
<context>
    <name>race_window::CodePane</name>
    <message>
        <source>%1, its code</source>
        <translation>%1, son code</translation>
    </message>
    <message>
        <source>Code of %1</source>
        <translation>Code de %1</translation>
    </message>
    <message>
        <source>Line %1: %2. %3</source>
        <translation>Ligne %1 : %2. %3</translation>
    </message>
    <message>
        <source>No step yet.</source>
        <translation>Pas encore d&apos;étape.</translation>
    </message>
    <message>
        <source>What your sort printed</source>
        <translation>Ce que votre tri a affiché</translation>
    </message>
    <message>
        <source>In Python&apos;s words:</source>
        <translation>Selon Python :</translation>
    </message>
</context>
<context>
    <name>race_window::MethodsMenu</name>
    <message>
        <source>Insertion sorts</source>
        <translation>Tris par insertion</translation>
    </message>
    <message>
        <source>Selection sorts</source>
        <translation>Tris par sélection</translation>
    </message>
    <message>
        <source>Exchange sorts</source>
        <translation>Tris par échange</translation>
    </message>
    <message>
        <source>Quick sorts</source>
        <translation>Tris rapides</translation>
    </message>
    <message>
        <source>Merge sorts</source>
        <translation>Tris par fusion</translation>
    </message>
    <message>
        <source>Distribution sorts</source>
        <translation>Tris par distribution</translation>
    </message>
</context>
<context>
    <name>race_window::PanelGrid</name>
    <message>
        <source>%1 (unprotected)</source>
        <translation>%1 (non protégé)</translation>
    </message>
</context>
<context>
    <name>race_window::Quiz</name>
    <message>
        <source>Click the panel of the method whose moves you will predict.</source>
        <translation>Cliquez sur le panneau de la méthode dont vous allez prédire les coups.</translation>
    </message>
    <message>
        <source>Click one of the bars.</source>
        <translation>Cliquez sur l&apos;une des barres.</translation>
    </message>
    <message>
        <source>Item %1 is no longer chosen.</source>
        <translation>L&apos;élément %1 n&apos;est plus choisi.</translation>
    </message>
    <message>
        <source>Two items are chosen: press Enter, or click one to take it back.</source>
        <translation>Deux éléments sont choisis : appuyez sur Entrée, ou cliquez sur l&apos;un pour le retirer.</translation>
    </message>
    <message>
        <source>An item is chosen: press Enter, or click it to take it back.</source>
        <translation>Un élément est choisi : appuyez sur Entrée, ou cliquez dessus pour le retirer.</translation>
    </message>
    <message>
        <source>Press Enter to see.</source>
        <translation>Appuyez sur Entrée pour voir.</translation>
    </message>
    <message>
        <source>And the other?</source>
        <translation>Et l&apos;autre ?</translation>
    </message>
    <message>
        <source>Choose two items, then press Enter.</source>
        <translation>Choisissez deux éléments, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Choose an item, then press Enter.</source>
        <translation>Choisissez un élément, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Exact.</translation>
    </message>
    <message>
        <source>The score starts again.</source>
        <translation>Le score repart de zéro.</translation>
    </message>
    <message>
        <source>A question waits: choose, then press Enter; or press P to stop predicting.</source>
        <translation>Une question attend : choisissez, puis appuyez sur Entrée ; ou appuyez sur P pour ne plus prédire.</translation>
    </message>
    <message>
        <source>%1 has no decision left to predict.</source>
        <translation>%1 n’a plus de décision à prédire.</translation>
    </message>
    <message>
        <source>Answer with the buttons below.</source>
        <translation>Répondez avec les boutons en bas.</translation>
    </message>
    <message>
        <source>Click a bar or a copy in the strip.</source>
        <translation>Cliquez sur une barre ou une copie dans la bande.</translation>
    </message>
    <message>
        <source>The copy is no longer chosen.</source>
        <translation>La copie n’est plus choisie.</translation>
    </message>
    <message>
        <source>Choose a bucket, then press Enter.</source>
        <translation>Choisissez un seau, puis appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1 : %2 sur %3 justes</translation>
    </message>
    <message>
        <source>0 of 0 right</source>
        <translation>0 sur 0 justes</translation>
    </message>
</context>
<context>
    <name>race_window::RacePanel</name>
    <message>
        <source>item %1: %2</source>
        <translation>élément %1 : %2</translation>
    </message>
    <message>
        <source>kept the order of equal items</source>
        <translation>a gardé l&apos;ordre des éléments égaux</translation>
    </message>
    <message>
        <source>changed the order of equal items: %1 before %2</source>
        <translation>a changé l&apos;ordre des éléments égaux : %1 avant %2</translation>
    </message>
    <message>
        <source>merges %1</source>
        <translation>fusions %1</translation>
    </message>
    <message>
        <source>exchanges %1</source>
        <translation>échanges %1</translation>
    </message>
    <message>
        <source>comparisons %1</source>
        <translation>comparaisons %1</translation>
    </message>
    <message>
        <source>moves %1</source>
        <translation>déplacements %1</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>lectures %1</translation>
    </message>
    <message>
        <source>done: %1, %2 steps</source>
        <translation>terminé : %1, %2 étapes</translation>
    </message>
    <message>
        <source>%1 % of %2 steps</source>
        <translation>%1 % de %2 étapes</translation>
    </message>
    <message>
        <source>items: %1</source>
        <translation>éléments : %1</translation>
    </message>
    <message>
        <source>in hand</source>
        <translation>en main</translation>
    </message>
    <message>
        <source>copied out</source>
        <translation>copiés à part</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the rank 1</comment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>a rank ending in 1 but 11: 21, 31, ...</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>a rank ending in 2 but 12</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>a rank ending in 3 but 13</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>any other rank</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>byte %1 of 4</source>
        <translation>octet %1 sur 4</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>arrêté après %1 étapes</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
</context>
<context>
    <name>race_window::RaceSound</name>
    <message>
        <source>No audio output was found on this computer.</source>
        <translation>Aucune sortie audio n&apos;a été trouvée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The audio output &quot;%1&quot; cannot play the race&apos;s tones.</source>
        <translation>La sortie audio « %1 » ne peut pas jouer les sons de la course.</translation>
    </message>
    <message>
        <source>The audio output went away.</source>
        <translation>La sortie audio a disparu.</translation>
    </message>
</context>
<context>
    <name>race_window::RaceWindow</name>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>onze</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>douze</translation>
    </message>
    <message>
        <source>Marked: %1 the two items compared, %2 the items moved or written</source>
        <translation>Marqués : %1 les deux éléments comparés, %2 les éléments déplacés ou écrits</translation>
    </message>
    <message>
        <source>The seed is too large a number; the items stay as they are.</source>
        <translation>La graine est un nombre trop grand ; les éléments restent tels quels.</translation>
    </message>
    <message>
        <source>as typed</source>
        <translation>tels que saisis</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>Few-unique makes items of only eight values, so it cannot keep the values you typed</source>
        <translation>« Peu de valeurs » crée des éléments de huit valeurs seulement, et ne peut donc pas garder les valeurs saisies</translation>
    </message>
    <message>
        <source>Choose at least two methods; the race keeps its %1.</source>
        <translation>Choisissez au moins deux méthodes ; la course garde ses %1.</translation>
    </message>
    <message>
        <source>%1 methods</source>
        <translation>%1 méthodes</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>%1 steps/s</source>
        <translation>%1 étapes/s</translation>
    </message>
    <message>
        <source>All %1 are done: %2 finished first.</source>
        <translation>Les %1 ont terminé : %2 a fini en premier.</translation>
    </message>
    <message>
        <source>Press Play or Space to start.</source>
        <translation>Appuyez sur Lecture ou Espace pour commencer.</translation>
    </message>
    <message>
        <source>Racing...</source>
        <translation>Course en cours...</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message numerus="yes">
        <source>%n typed item(s), %1.</source>
        <translation>
            <numerusform>%n élément saisi, %1.</numerusform>
            <numerusform>%n éléments saisis, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1.</source>
        <translation>
            <numerusform>%n élément, %1.</numerusform>
            <numerusform>%n éléments, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Type at least two numbers to race your own.</source>
        <translation>Saisissez au moins deux nombres pour faire courir les vôtres.</translation>
    </message>
    <message>
        <source>Behind the bars: %1 the part worked on, %2 the part in order, %3 %4 a merge&apos;s two runs; %5 the pivot, %6 in its final place</source>
        <translation>Derrière les barres : %1 la partie traitée, %2 la partie en ordre, %3 %4 les deux suites d’une fusion ; %5 le pivot, %6 à sa place définitive</translation>
    </message>
    <message>
        <source>Your own sort runs in Python: install python3 to race one</source>
        <translation>Votre tri s’exécute en Python : installez python3 pour en faire courir un</translation>
    </message>
    <message>
        <source>Your sort</source>
        <translation>Votre tri</translation>
    </message>
    <message>
        <source>Python files (*.py);;All files (*)</source>
        <translation>Fichiers Python (*.py);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Enregistrer la leçon...</translation>
    </message>
    <message>
        <source>Copy as command</source>
        <translation>Copier comme commande</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace);;All files (*)</source>
        <translation>Leçons (*.sortrace);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2; the rest is open.</source>
        <translation>%1 : %2 ; le reste est ouvert.</translation>
    </message>
    <message>
        <source>%1 comes from a newer version: what this one knows of it is open.</source>
        <translation>%1 vient d&apos;une version plus récente : ce que celle-ci en connaît est ouvert.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 ouvert.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace)</source>
        <translation>Leçons (*.sortrace)</translation>
    </message>
    <message>
        <source>Saved the lesson as %1.</source>
        <translation>Leçon enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The command that sets the race so is on the clipboard.</source>
        <translation>La commande qui règle la course ainsi est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>focus: %1 does not race here.</source>
        <translation>focus : %1 ne court pas ici.</translation>
    </message>
    <message>
        <source>Run them?</source>
        <translation>Les exécuter ?</translation>
    </message>
    <message>
        <source>Run them</source>
        <translation>Les exécuter</translation>
    </message>
    <message>
        <source>Open without them</source>
        <translation>Ouvrir sans eux</translation>
    </message>
    <message>
        <source>This lesson wants to run these scripts of its own:</source>
        <translation>Cette leçon veut exécuter ces scripts qui lui sont propres :</translation>
    </message>
    <message>
        <source>%1 cannot be protected here: %2.

Unprotected, it can read and change whatever you can. Run it all the same?</source>
        <translation>%1 ne peut pas être protégé ici : %2.

Sans protection, il peut lire et modifier tout ce que vous pouvez. L’exécuter quand même ?</translation>
    </message>
    <message>
        <source>Run it unprotected</source>
        <translation>L’exécuter sans protection</translation>
    </message>
    <message>
        <source>Do not run it</source>
        <translation>Ne pas l’exécuter</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Votre tri…</translation>
    </message>
    <message>
        <source>Recording %1: %2 steps so far; it joins the race when it has run.</source>
        <translation>Enregistrement de %1 : %2 pas jusqu’ici ; il rejoint la course une fois exécuté.</translation>
    </message>
    <message>
        <source>Stopped recording %1: it does not race.</source>
        <translation>Enregistrement de %1 arrêté : il ne court pas.</translation>
    </message>
    <message>
        <source>It runs in a sandbox (bubblewrap): no network, no other program, the system read-only.</source>
        <translation>Il s’exécute dans un bac à sable (bubblewrap) : pas de réseau, pas d’autre programme, le système en lecture seule.</translation>
    </message>
    <message>
        <source>It runs confined by the kernel (Landlock): it can read only the system&apos;s own files.</source>
        <translation>Il s’exécute confiné par le noyau (Landlock) : il ne peut lire que les fichiers du système.</translation>
    </message>
    <message>
        <source>Nothing here can protect your files from it: it runs only where you say so.</source>
        <translation>Rien ici ne peut protéger vos fichiers de lui : il ne s’exécute que si vous le dites.</translation>
    </message>
</context>
<context>
    <name>race_window::SoundSwitch</name>
    <message>
        <source>Hear each step: the larger the item it touches, the higher the tone</source>
        <translation>Entendre chaque étape : plus l&apos;élément touché est grand, plus le son est aigu</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Pas de son : %1</translation>
    </message>
</context>
<context>
    <name>script</name>
    <message>
        <source>was stopped</source>
        <translation>a été arrêté</translation>
    </message>
    <message>
        <source>ended without a word: its process stopped</source>
        <translation>a fini sans un mot : son processus s’est arrêté</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB</source>
        <translation>%1 fait plus de 1 Mo</translation>
    </message>
    <message>
        <source>cannot run: python3 is not installed</source>
        <translation>impossible à exécuter : python3 n’est pas installé</translation>
    </message>
    <message>
        <source>cannot run: no process could be started</source>
        <translation>impossible à exécuter : aucun processus n’a pu démarrer</translation>
    </message>
    <message>
        <source>sent a line too long to read</source>
        <translation>a envoyé une ligne trop longue</translation>
    </message>
    <message>
        <source>sent a line it cannot have made: %1</source>
        <translation>a envoyé une ligne qu’il n’a pas pu produire : %1</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>arrêté après %1 étapes</translation>
    </message>
    <message>
        <source>ended with a line it cannot have made</source>
        <translation>a fini par une ligne qu’il n’a pas pu produire</translation>
    </message>
    <message>
        <source>not in order: items %1 and %2</source>
        <translation>pas dans l’ordre : éléments %1 et %2</translation>
    </message>
    <message>
        <source>sent more names than a script has</source>
        <translation>a envoyé plus de noms qu’un script n’en a</translation>
    </message>
    <message>
        <source>sent more than any script can</source>
        <translation>a envoyé plus qu’aucun script ne le peut</translation>
    </message>
    <message>
        <source>sent seconds it cannot have measured</source>
        <translation>a envoyé des secondes qu&apos;il ne peut pas avoir mesurées</translation>
    </message>
    <message>
        <source>bubblewrap cannot start here, and the kernel has no Landlock</source>
        <translation>bubblewrap ne peut pas démarrer ici, et le noyau n’a pas Landlock</translation>
    </message>
    <message>
        <source>cannot run: the kernel refused to confine it</source>
        <translation>ne peut pas s’exécuter : le noyau a refusé de le confiner</translation>
    </message>
    <message>
        <source>ended early, before its sort was done: its process exited with status %1</source>
        <translation>s’est arrêté trop tôt, avant la fin de son tri : son processus est sorti avec le statut %1</translation>
    </message>
    <message>
        <source>cannot run: the filter of its system calls cannot be made</source>
        <translation>ne peut pas s’exécuter : le filtre de ses appels système ne peut pas être créé</translation>
    </message>
    <message>
        <source>was not run: it cannot be protected here (%1)</source>
        <translation>n’a pas été exécuté : il ne peut pas être protégé ici (%1)</translation>
    </message>
    <message>
        <source>cannot run: its system calls could not be filtered</source>
        <translation>ne peut pas s’exécuter : ses appels système n’ont pas pu être filtrés</translation>
    </message>
    <message>
        <source>sent more notes than its steps can have made</source>
        <translation>a envoyé plus de notes que ses pas n’ont pu en faire</translation>
    </message>
    <message>
        <source>ended in order, but never compared the %1 and the %2 that end side by side: it read their values another way, so its counts are not a sort&apos;s</source>
        <translation>a fini dans l’ordre, mais n’a jamais comparé le %1 et le %2 qui finissent côte à côte : il a lu leurs valeurs autrement, ses comptes ne sont donc pas ceux d’un tri</translation>
    </message>
    <message>
        <source>did not finish within %1 s: is there a loop that never ends?</source>
        <translation>n’a pas fini en %1 s : y a-t-il une boucle qui ne finit jamais ?</translation>
    </message>
    <message>
        <source>tried to open a file; a sort only needs the list it is given</source>
        <translation>a tenté d’ouvrir un fichier ; un tri n’a besoin que de la liste qu’on lui donne</translation>
    </message>
    <message>
        <source>tried to connect to the network; a sort only needs the list it is given</source>
        <translation>a tenté de se connecter au réseau ; un tri n’a besoin que de la liste qu’on lui donne</translation>
    </message>
    <message>
        <source>tried to start another program; a sort only needs the list it is given</source>
        <translation>a tenté de lancer un autre programme ; un tri n’a besoin que de la liste qu’on lui donne</translation>
    </message>
    <message>
        <source>tried to signal another program; a sort only needs the list it is given</source>
        <translation>a tenté d’envoyer un signal à un autre programme ; un tri n’a besoin que de la liste qu’on lui donne</translation>
    </message>
    <message>
        <source>tried to change a file; a sort only needs the list it is given</source>
        <translation>a tenté de modifier un fichier ; un tri n’a besoin que de la liste qu’on lui donne</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2 fois)</translation>
    </message>
    <message>
        <source>lost items: missing %1; there more than once: %2</source>
        <translation>éléments perdus : il manque %1 ; présents plusieurs fois : %2</translation>
    </message>
    <message>
        <source> (line %1 wrote over the %2, which never came back)</source>
        <translation> (la ligne %1 a écrasé le %2, qui n’est jamais revenu)</translation>
    </message>
    <message>
        <source>is not written as Python reads it</source>
        <translation>n’est pas écrit comme Python le lit</translation>
    </message>
    <message>
        <source>has a line indented as Python does not expect</source>
        <translation>a une ligne indentée autrement que Python ne l’attend</translation>
    </message>
    <message>
        <source>divided by zero</source>
        <translation>a divisé par zéro</translation>
    </message>
    <message>
        <source>used a place outside the list: a&apos;s places run from 0 to len(a) - 1</source>
        <translation>a utilisé une place hors de la liste : les places de a vont de 0 à len(a) - 1</translation>
    </message>
    <message>
        <source>used a name that has no value yet</source>
        <translation>a utilisé un nom qui n’a pas encore de valeur</translation>
    </message>
    <message>
        <source>used a value in a way Python does not allow</source>
        <translation>a utilisé une valeur d’une façon que Python n’accepte pas</translation>
    </message>
    <message>
        <source>asked a value for something it does not have</source>
        <translation>a demandé à une valeur quelque chose qu’elle n’a pas</translation>
    </message>
    <message>
        <source>called itself too deeply: is there a call that never stops?</source>
        <translation>s’est appelé trop profondément : y a-t-il un appel qui ne s’arrête jamais ?</translation>
    </message>
    <message>
        <source>used more memory than a sort may</source>
        <translation>a utilisé plus de mémoire qu’un tri ne peut</translation>
    </message>
    <message>
        <source>has no function sort(a): the race calls sort(a) with the list a</source>
        <translation>n’a pas de fonction sort(a) : la course appelle sort(a) avec la liste a</translation>
    </message>
</context>
</TS>
