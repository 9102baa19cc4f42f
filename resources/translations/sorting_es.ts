<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Code</name>
    <message>
        <source>for pass = 1 to n - 1</source>
        <translation>para pasada = 1 hasta n - 1</translation>
    </message>
    <message>
        <source>  for i = 1 to n - pass</source>
        <translation>  para i = 1 hasta n - pasada</translation>
    </message>
    <message>
        <source>    if item i &gt; item i + 1</source>
        <translation>    si elemento i &gt; elemento i + 1</translation>
    </message>
    <message>
        <source>      exchange items i and i + 1</source>
        <translation>      intercambiar los elementos i e i + 1</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pasada</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>m = the largest item: read every item</source>
        <translation>m = el mayor elemento: leer cada elemento</translation>
    </message>
    <message>
        <source>for i = 1 to n: copy item i out to bucket b = floor(n × item i / m), at most n - 1</source>
        <translation>para i = 1 hasta n: copiar el elemento i a la cubeta b = piso(n × elemento i / m), como mucho n - 1</translation>
    </message>
    <message>
        <source>for each bucket b in turn, write its copies back, from item k on</source>
        <translation>para cada cubeta b por turno: volver a escribir sus copias, desde el elemento k</translation>
    </message>
    <message>
        <source>sort the items of each bucket b by insertion</source>
        <translation>ordenar los elementos de cada cubeta b por inserción</translation>
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
        <translation>para k = n / 2 bajando hasta 1: hundir el elemento k en 1..n</translation>
    </message>
    <message>
        <source>for last = n down to 2</source>
        <translation>para fin = n bajando hasta 2</translation>
    </message>
    <message>
        <source>  exchange items 1 and last; sink item 1 within 1..last - 1</source>
        <translation>  intercambiar los elementos 1 y fin; hundir el elemento 1 en 1..fin - 1</translation>
    </message>
    <message>
        <source>sink item k within 1..last: while 2k &lt;= last</source>
        <translation>hundir el elemento k en 1..fin: mientras 2k &lt;= fin</translation>
    </message>
    <message>
        <source>  j = 2k; if j &lt; last and item j &lt; item j + 1: j = j + 1</source>
        <translation>  j = 2k; si j &lt; fin y elemento j &lt; elemento j + 1: j = j + 1</translation>
    </message>
    <message>
        <source>  if not item k &lt; item j: stop</source>
        <translation>  si no elemento k &lt; elemento j: parar</translation>
    </message>
    <message>
        <source>  exchange items k and j; k = j</source>
        <translation>  intercambiar los elementos k y j; k = j</translation>
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
        <translation>para i = 2 hasta n</translation>
    </message>
    <message>
        <source>    exchange items j - 1 and j; j = j - 1</source>
        <translation>    intercambiar los elementos j - 1 y j; j = j - 1</translation>
    </message>
    <message>
        <source>take the next part lo..hi, the whole array first, at depth 2 floor(log2 n)</source>
        <translation>tomar la siguiente parte lo..hi, primero todo el arreglo, con profundidad 2 piso(log2 n)</translation>
    </message>
    <message>
        <source>  if it has 16 items or fewer: sort it by insertion</source>
        <translation>  si tiene 16 elementos o menos: ordenarla por inserción</translation>
    </message>
    <message>
        <source>  else if its depth is 0: sort it by heap sort</source>
        <translation>  si no, si su profundidad es 0: ordenarla por montículo</translation>
    </message>
    <message>
        <source>  else: bring the median of items lo, (lo + hi) / 2 and hi to hi</source>
        <translation>  si no: llevar la mediana de los elementos lo, (lo + hi) / 2 y hi a hi</translation>
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
        <translation>profundidad</translation>
    </message>
    <message>
        <source>  if it has three items or more: mid = (lo + hi) / 2</source>
        <translation>  si tiene tres elementos o más: mid = (lo + hi) / 2</translation>
    </message>
    <message>
        <source>    order items lo, mid and hi, exchanging two where they are out of order</source>
        <translation>    ordenar los elementos lo, mid y hi, intercambiando dos si están desordenados</translation>
    </message>
    <message>
        <source>    exchange items mid and hi: the median of the three is the pivot</source>
        <translation>    intercambiar los elementos mid y hi: la mediana de los tres es el pivote</translation>
    </message>
    <message>
        <source>    i = i + 1; exchange items i and j unless they are one</source>
        <translation>    i = i + 1; intercambiar los elementos i y j, salvo si son el mismo</translation>
    </message>
    <message>
        <source>  exchange items i + 1 and hi unless they are one: the pivot is in place</source>
        <translation>  intercambiar los elementos i + 1 y hi, salvo si son el mismo: el pivote está en su sitio</translation>
    </message>
    <message>
        <source>mid</source>
        <translation>mid</translation>
    </message>
    <message>
        <source>pivot</source>
        <translation>pivote</translation>
    </message>
    <message>
        <source>for width = 1, 2, 4, ... below n</source>
        <translation>para ancho = 1, 2, 4, ... menor que n</translation>
    </message>
    <message>
        <source>  for lo = 1, 1 + 2 width, ...: mid = lo + width - 1, hi = lo + 2 width - 1 or n</source>
        <translation>  para lo = 1, 1 + 2 ancho, ...: mid = lo + ancho - 1, hi = lo + 2 ancho - 1 o n</translation>
    </message>
    <message>
        <source>    for k = lo to hi</source>
        <translation>    para k = lo hasta hi</translation>
    </message>
    <message>
        <source>      compare the copies left at both ends</source>
        <translation>      comparar las copias restantes en ambos extremos</translation>
    </message>
    <message>
        <source>      write the smaller at item k, the right one where they are equal</source>
        <translation>      escribir la menor en el elemento k, la derecha si son iguales</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1: a run ends at i where item i + 1 &lt; item i</source>
        <translation>para i = 1 hasta n - 1: una racha acaba en i si elemento i + 1 &lt; elemento i</translation>
    </message>
    <message>
        <source>while more than one run: merge the first with the second, the third with the fourth, ...</source>
        <translation>mientras haya más de una racha: mezclar la primera con la segunda, la tercera con la cuarta, ...</translation>
    </message>
    <message>
        <source>  while copies and right items are left: if item j &lt; copy i</source>
        <translation>  mientras queden copias y elementos a la derecha: si elemento j &lt; copia i</translation>
    </message>
    <message>
        <source>    write item j at item k, else copy i, the left one where they are equal</source>
        <translation>    escribir el elemento j en el elemento k, si no la copia i, la izquierda si son iguales</translation>
    </message>
    <message>
        <source>  write the copies left; the rest of the right run is in place</source>
        <translation>  escribir las copias restantes; el resto de la racha derecha ya está en su sitio</translation>
    </message>
    <message>
        <source>    if item j &lt;= pivot</source>
        <translation>    si elemento j &lt;= pivote</translation>
    </message>
    <message>
        <source>      i = i + 1; exchange items i and j unless they are one</source>
        <translation>      i = i + 1; intercambiar los elementos i y j, salvo si son el mismo</translation>
    </message>
    <message>
        <source>for pass = 1 to 4, a byte of each item&apos;s pattern, the least significant first</source>
        <translation>para pasada = 1 hasta 4, un byte del patrón de cada elemento, el menos significativo primero</translation>
    </message>
    <message>
        <source>  for i = 1 to n: read the byte of item i, and count it</source>
        <translation>  para i = 1 hasta n: leer el byte del elemento i, y contarlo</translation>
    </message>
    <message>
        <source>  for i = 1 to n: move item i to the next place for its byte in the scratch area</source>
        <translation>  para i = 1 hasta n: mover el elemento i al siguiente lugar de su byte en la zona auxiliar</translation>
    </message>
    <message>
        <source>  for i = 1 to n: copy place i of the scratch area back to item i</source>
        <translation>  para i = 1 hasta n: copiar el lugar i de la zona auxiliar de vuelta al elemento i</translation>
    </message>
    <message>
        <source>for i = 1 to n - 1</source>
        <translation>para i = 1 hasta n - 1</translation>
    </message>
    <message>
        <source>    if item j &lt; item min: min = j</source>
        <translation>    si elemento j &lt; elemento min: min = j</translation>
    </message>
    <message>
        <source>  exchange items min and i</source>
        <translation>  intercambiar los elementos min e i</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>  for i = h + 1 to n</source>
        <translation>  para i = h + 1 hasta n</translation>
    </message>
    <message>
        <source>    for j = i, i - h, ... while j &gt; h</source>
        <translation>    para j = i, i - h, ... mientras j &gt; h</translation>
    </message>
    <message>
        <source>      if not item j &lt; item j - h: next i</source>
        <translation>      si no elemento j &lt; elemento j - h: siguiente i</translation>
    </message>
    <message>
        <source>      exchange items j and j - h</source>
        <translation>      intercambiar los elementos j y j - h</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>    if item i &lt; item lt: exchange items lt and i; lt = lt + 1; i = i + 1</source>
        <translation>    si elemento i &lt; elemento lt: intercambiar lt e i; lt = lt + 1; i = i + 1</translation>
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
        <translation>  j = i; mientras elemento j - 1 &gt; elemento j (el elemento 0 vale 0)</translation>
    </message>
    <message>
        <source>    partition around it as quick sort does; both parts wait, one less deep, the left first</source>
        <translation>    particionar en torno a ella como el rápido; ambas partes esperan, un nivel menos, la izquierda primero</translation>
    </message>
    <message>
        <source>take the next part lo..hi of two items or more: the whole array, then the left parts first</source>
        <translation>tomar la siguiente parte lo..hi de dos elementos o más: todo el arreglo, luego las partes izquierdas primero</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1: if item j &lt;= pivot</source>
        <translation>  pivote = elemento hi; i = lo - 1; para j = lo hasta hi - 1: si elemento j &lt;= pivote</translation>
    </message>
    <message>
        <source>    copy items lo..mid out</source>
        <translation>    copiar aparte los elementos lo..mid</translation>
    </message>
    <message>
        <source>    copy items mid + 1..hi out after them, reversed: item mid + 1 last</source>
        <translation>    copiar aparte los elementos mid + 1..hi tras ellos, invertidos: el elemento mid + 1 al final</translation>
    </message>
    <message>
        <source>  copy the left run, items lo..mid, out; i = lo, j = mid + 1, k = lo</source>
        <translation>  copiar aparte la racha izquierda, elementos lo..mid; i = lo, j = mid + 1, k = lo</translation>
    </message>
    <message>
        <source>  pivot = item hi; i = lo - 1; for j = lo to hi - 1</source>
        <translation>  pivote = elemento hi; i = lo - 1; para j = lo hasta hi - 1</translation>
    </message>
    <message>
        <source>  min = i; for j = i + 1 to n</source>
        <translation>  min = i; para j = i + 1 hasta n</translation>
    </message>
    <message>
        <source>for h = the first of 1, 4, 13, ... at least n / 3 rounded down, then h / 3, ..., 1</source>
        <translation>para h = el primero de 1, 4, 13, ... no menor que n / 3 redondeado hacia abajo, luego h / 3, ..., 1</translation>
    </message>
    <message>
        <source>  lt = lo, gt = hi, i = lo + 1; while i &lt;= gt</source>
        <translation>  lt = lo, gt = hi, i = lo + 1; mientras i &lt;= gt</translation>
    </message>
    <message>
        <source>    else if item lt &lt; item i: exchange items i and gt unless one, gt = gt - 1; else i = i + 1</source>
        <translation>    si no, si elemento lt &lt; elemento i: intercambiar i y gt, salvo si es el mismo, gt = gt - 1; si no, i = i + 1</translation>
    </message>
</context>
<context>
    <name>QuestionWords</name>
    <message>
        <source>Will these two, items %1 and %2, be exchanged?</source>
        <translation>¿Se intercambiarán estos dos, los elementos %1 y %2?</translation>
    </message>
    <message>
        <source>Where will item %1 land? Click the place, then press Enter.</source>
        <translation>¿Dónde acabará el elemento %1? Haz clic en el lugar y pulsa Intro.</translation>
    </message>
    <message>
        <source>Which item will it pick as the smallest, for place %1? Click it, then press Enter.</source>
        <translation>¿Qué elemento elegirá como el menor, para el lugar %1? Haz clic en él y pulsa Intro.</translation>
    </message>
    <message>
        <source>Which value is written next, to place %1? Click a copy in the strip or a bar of that value, then press Enter.</source>
        <translation>¿Qué valor se escribe a continuación, en el lugar %1? Haz clic en una copia de la franja o en una barra de ese valor y pulsa Intro.</translation>
    </message>
    <message>
        <source>Where does the pivot, item %1, land? Click the place, then press Enter.</source>
        <translation>¿Dónde acaba el pivote, el elemento %1? Haz clic en el lugar y pulsa Intro.</translation>
    </message>
    <message>
        <source>Which two does it exchange next? Click both, then press Enter.</source>
        <translation>¿Qué dos intercambia a continuación? Haz clic en ambos y pulsa Intro.</translation>
    </message>
    <message>
        <source>Which child does item %1 sink to? Click it, then press Enter.</source>
        <translation>¿A qué hijo baja el elemento %1? Haz clic en él y pulsa Intro.</translation>
    </message>
    <message>
        <source>Where does item %1 go in this pass? Click its place, then press Enter.</source>
        <translation>¿Adónde va el elemento %1 en esta pasada? Haz clic en su lugar y pulsa Intro.</translation>
    </message>
    <message>
        <source>Which bucket does item %1 go to? Choose its number, then press Enter.</source>
        <translation>¿A qué cubeta va el elemento %1? Elige su número y pulsa Intro.</translation>
    </message>
    <message>
        <source>Not quite: they are exchanged.</source>
        <translation>No exactamente: se intercambian.</translation>
    </message>
    <message>
        <source>Not quite: they stay as they are.</source>
        <translation>No exactamente: se quedan como están.</translation>
    </message>
    <message>
        <source>Not quite: it lands at place %1.</source>
        <translation>No exactamente: acaba en el lugar %1.</translation>
    </message>
    <message>
        <source>Not quite: it picks item %1.</source>
        <translation>No exactamente: elige el elemento %1.</translation>
    </message>
    <message>
        <source>Not quite: it writes %1.</source>
        <translation>No exactamente: escribe %1.</translation>
    </message>
    <message>
        <source>Not quite: the pivot lands at place %1.</source>
        <translation>No exactamente: el pivote acaba en el lugar %1.</translation>
    </message>
    <message>
        <source>Not quite: it exchanges items %1 and %2.</source>
        <translation>No exactamente: intercambia los elementos %1 y %2.</translation>
    </message>
    <message>
        <source>Not quite: it sinks to item %1.</source>
        <translation>No exactamente: baja al elemento %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to place %1.</source>
        <translation>No exactamente: va al lugar %1.</translation>
    </message>
    <message>
        <source>Not quite: it goes to bucket %1.</source>
        <translation>No exactamente: va a la cubeta %1.</translation>
    </message>
    <message>
        <source>exchanged or not</source>
        <translation>intercambio o no</translation>
    </message>
    <message>
        <source>where it lands</source>
        <translation>dónde acaba</translation>
    </message>
    <message>
        <source>the smallest</source>
        <translation>el menor</translation>
    </message>
    <message>
        <source>the value written</source>
        <translation>el valor escrito</translation>
    </message>
    <message>
        <source>where the pivot lands</source>
        <translation>dónde acaba el pivote</translation>
    </message>
    <message>
        <source>the next exchange</source>
        <translation>el próximo intercambio</translation>
    </message>
    <message>
        <source>the child</source>
        <translation>el hijo</translation>
    </message>
    <message>
        <source>less, equal or greater</source>
        <translation>menor, igual o mayor</translation>
    </message>
    <message>
        <source>where it goes</source>
        <translation>adónde va</translation>
    </message>
    <message>
        <source>the bucket</source>
        <translation>la cubeta</translation>
    </message>
    <message>
        <source>Not quite: it is less than the pivot.</source>
        <translation>No exactamente: es menor que el pivote.</translation>
    </message>
    <message>
        <source>Not quite: it is greater than the pivot.</source>
        <translation>No exactamente: es mayor que el pivote.</translation>
    </message>
    <message>
        <source>Not quite: it is equal to the pivot.</source>
        <translation>No exactamente: es igual al pivote.</translation>
    </message>
    <message>
        <source>Is item %1 less than, equal to or greater than the pivot, item %2?</source>
        <translation>¿Es el elemento %1 menor, igual o mayor que el pivote, el elemento %2?</translation>
    </message>
</context>
<context>
    <name>RaceWindow</name>
    <message>
        <source>Sorting Race</source>
        <translation>Carrera de ordenamientos</translation>
    </message>
    <message>
        <source>&amp;Items:</source>
        <translation>&amp;Elementos:</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Número de elementos</translation>
    </message>
    <message>
        <source>How many items race, 1 to 2000, or the items themselves: 2 to 2000 numbers such as 5 3 8 1 9; press Enter to take them</source>
        <translation>Cuántos elementos corren, de 1 a 2000, o los propios elementos: de 2 a 2000 números como 5 3 8 1 9; pulsa Intro para tomarlos</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Orden:</translation>
    </message>
    <message>
        <source>Initial order</source>
        <translation>Orden inicial</translation>
    </message>
    <message>
        <source>How the items stand before the race</source>
        <translation>Cómo están los elementos antes de la carrera</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>Random seed</source>
        <translation>Semilla aleatoria</translation>
    </message>
    <message>
        <source>The same seed, count and order give the same items; press Enter to take it</source>
        <translation>La misma semilla, cantidad y orden dan los mismos elementos; pulsa Intro para tomarla</translation>
    </message>
    <message>
        <source>New items</source>
        <translation>Nuevos elementos</translation>
    </message>
    <message>
        <source>Draw new random items with a new seed</source>
        <translation>Sacar nuevos elementos al azar con una nueva semilla</translation>
    </message>
    <message>
        <source>&amp;Methods:</source>
        <translation>&amp;Métodos:</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Métodos</translation>
    </message>
    <message>
        <source>Which methods race: two or more</source>
        <translation>Qué métodos corren: dos o más</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start or pause the race (Space)</source>
        <translation>Iniciar o pausar la carrera (Espacio)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Every method goes back by one step (Left); hold to go on back</source>
        <translation>Cada método retrocede un paso (Izquierda); mantén pulsado para seguir retrocediendo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Every method goes on by one step (Right); hold to go on</source>
        <translation>Cada método avanza un paso (Derecha); mantén pulsado para seguir</translation>
    </message>
    <message>
        <source>S&amp;peed:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Steps per second, on a logarithmic scale (+ and -)</source>
        <translation>Pasos por segundo, en escala logarítmica (+ y -)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Back to the start with the same items (R)</source>
        <translation>Volver al principio con los mismos elementos (R)</translation>
    </message>
    <message>
        <source>So&amp;und</source>
        <translation>Soni&amp;do</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Predecir</translation>
    </message>
    <message>
        <source>Marked: in black the two items compared, in amber the items moved or written</source>
        <translation>Marcados: en negro los dos elementos comparados, en ámbar los elementos movidos o escritos</translation>
    </message>
    <message>
        <source>Click a panel, or Tab to it and press Enter, to see its code beside the bars; Esc to leave it</source>
        <translation>Haz clic en un panel, o llega con Tab y pulsa Intro, para ver su código junto a las barras; Esc para salir</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>The race on the whole screen, for a projector (F11); Ctrl and plus or minus make every text and mark larger or smaller, Ctrl and 0 as usual</source>
        <translation>La carrera en toda la pantalla, para un proyector (F11); Ctrl y más o menos agrandan o reducen textos y marcas, Ctrl y 0 como siempre</translation>
    </message>
    <message>
        <source>S&amp;tep of the race:</source>
        <translation>&amp;Paso de la carrera:</translation>
    </message>
    <message>
        <source>Step of the race</source>
        <translation>Paso de la carrera</translation>
    </message>
    <message>
        <source>Drag to go to any step at once; Home and End go to the start and the end, Page Up and Page Down a tenth back or on</source>
        <translation>Arrastre para ir a cualquier paso de una vez; Inicio y Fin van al principio y al final, Re Pág y Av Pág una décima parte atrás o adelante</translation>
    </message>
    <message>
        <source>Before each decision of the method you look at, guess what it does: click the bars, or choose with the arrow keys and Space, then press Enter; or answer with the buttons below (P)</source>
        <translation>Antes de cada decisión del método que miras, adivina qué hace: haz clic en las barras, o elige con las flechas y Espacio, y pulsa Intro; o responde con los botones de abajo (P)</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Tu ordenación…</translation>
    </message>
    <message>
        <source>Race a sort of your own: a Python file that defines sort(a)</source>
        <translation>Hacer correr una ordenación propia: un archivo Python que define sort(a)</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Keep the race as it is set in a lesson file, open one (Ctrl+S, Ctrl+O), or copy it as a command line</source>
        <translation>Guardar la carrera tal como está ajustada en un archivo de lección, abrir uno (Ctrl+S, Ctrl+O) o copiarla como línea de órdenes</translation>
    </message>
</context>
<context>
    <name>StepWords</name>
    <message>
        <source>%1 (copy of item %2)</source>
        <translation>%1 (copia del elemento %2)</translation>
    </message>
    <message>
        <source>%1 (item %2)</source>
        <translation>%1 (elemento %2)</translation>
    </message>
    <message>
        <source>compares %1 and %2</source>
        <translation>compara %1 y %2</translation>
    </message>
    <message>
        <source>exchange: holds %1</source>
        <translation>intercambio: toma %1 en la mano</translation>
    </message>
    <message>
        <source>exchange: moves %1 from item %2 to item %3</source>
        <translation>intercambio: mueve %1 del elemento %2 al elemento %3</translation>
    </message>
    <message>
        <source>exchange: puts %1 from the hand at item %2</source>
        <translation>intercambio: pone %1 de la mano en el elemento %2</translation>
    </message>
    <message>
        <source>copies %1 out</source>
        <translation>copia %1 aparte</translation>
    </message>
    <message>
        <source>writes %1 at item %2</source>
        <translation>escribe %1 en el elemento %2</translation>
    </message>
    <message>
        <source>moves %1 from item %2 to item %3</source>
        <translation>mueve %1 del elemento %2 al elemento %3</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>lee %1</translation>
    </message>
    <message>
        <source>merge %1</source>
        <translation>mezcla: %1</translation>
    </message>
    <message>
        <source>%1 (the sentinel before item 1)</source>
        <translation>%1 (el centinela antes del elemento 1)</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <source>unknown method &quot;%1&quot; (choose from %2, or all)</source>
        <translation>método desconocido «%1» (elige entre %2, o all)</translation>
    </message>
    <message>
        <source>--methods needs at least one method</source>
        <translation>--methods necesita al menos un método</translation>
    </message>
    <message>
        <source>unknown order &quot;%1&quot; (choose from %2, or all)</source>
        <translation>orden desconocido «%1» (elige entre %2, o all)</translation>
    </message>
    <message>
        <source>--orders needs at least one order</source>
        <translation>--orders necesita al menos un orden</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;; did you mean %2?</source>
        <translation>opción desconocida «%1»; ¿quisiste decir %2?</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prueba &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>--script needs python3 (/usr/bin/python3), which is not installed</source>
        <translation>--script necesita python3 (/usr/bin/python3), que no está instalado</translation>
    </message>
    <message>
        <source>--script: a script cannot be protected here (%1); --unprotected runs it all the same, able to read and change whatever you can</source>
        <translation>--script: aquí no se puede proteger un script (%1); --unprotected lo ejecuta igualmente, y entonces puede leer y cambiar todo lo que usted puede</translation>
    </message>
</context>
<context>
    <name>compare</name>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>«%1» es una carpeta</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot;</source>
        <translation>no hay ninguna carpeta «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <source>cannot write in &quot;%1&quot;: %2</source>
        <translation>no se puede escribir en «%1»: %2</translation>
    </message>
    <message>
        <source>%1 must be a number, not &quot;%2&quot;</source>
        <translation>%1 debe ser un número, no «%2»</translation>
    </message>
    <message>
        <source>%1 must be a positive number of seconds</source>
        <translation>%1 debe ser un número positivo de segundos</translation>
    </message>
    <message>
        <source>a count</source>
        <translation>una cantidad</translation>
    </message>
    <message>
        <source>a count must be from 1 to 2147483647, not %1</source>
        <translation>una cantidad debe ir de 1 a 2147483647, no %1</translation>
    </message>
    <message>
        <source>--from must not be above --to</source>
        <translation>--from no debe ser mayor que --to</translation>
    </message>
    <message>
        <source>the seed &quot;%1&quot; is beyond the range of numbers</source>
        <translation>la semilla «%1» está fuera del rango de números</translation>
    </message>
    <message>
        <source>the chart&apos;s file name must end in .svg or .png</source>
        <translation>el nombre de archivo del gráfico debe terminar en .svg o .png</translation>
    </message>
    <message>
        <source>counts are written without thousands separators: 1000, not 1,000</source>
        <translation>las cantidades se escriben sin separador de miles: 1000, no 1,000</translation>
    </message>
    <message>
        <source>--counts needs at least one count</source>
        <translation>--counts necesita al menos una cantidad</translation>
    </message>
    <message>
        <source>give either --counts or --from/--to, not both</source>
        <translation>indica --counts o --from/--to, no ambos</translation>
    </message>
    <message>
        <source>the budget</source>
        <translation>el presupuesto</translation>
    </message>
    <message>
        <source>the limit</source>
        <translation>el límite</translation>
    </message>
    <message>
        <source>the repeat count</source>
        <translation>el número de repeticiones</translation>
    </message>
    <message>
        <source>the repeat count must be 1 or more</source>
        <translation>el número de repeticiones debe ser 1 o más</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
</source>
        <translation>Uso: %1 [opciones]
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
        <translation>Ordena elementos con cada método en cantidades crecientes e informa del tiempo
de la ordenación sola, las comparaciones, intercambios, mezclas y movimientos,
y de si el resultado está en orden. Cada fila se escribe en cuanto termina su
ejecución.

Antes de cada ejecución se estima su tiempo, a partir de las ejecuciones
anteriores del método o de una breve calibración; una ejecución estimada en más
de --max-seconds no se inicia, y su fila dice «omitido» con la estimación. En
una serie que se duplica (--from, --to) un método deja además de crecer tras una
ejecución de más de --budget, con una fila omitida que lo dice; las cantidades
de --counts se ejecutan todas. Ctrl-C termina el programa al instante, con las
filas hechas (y el gráfico) completas.

Sin opciones, cada método ordena elementos aleatorios en cantidades que se
duplican de 500 a 1024000, y para tras una ejecución de más de un segundo.

</translation>
    </message>
    <message>
        <source>  --methods LIST   the methods to compare, from these, or all (default: all):
</source>
        <translation>  --methods LIST   los métodos que se comparan, de estos, o all
                   (por omisión: all):
</translation>
    </message>
    <message>
        <source>  --orders LIST    how the items stand before the sort, from these, or all
                   (default: random):
</source>
        <translation>  --orders LIST    cómo están los elementos antes de ordenar, de estos, o all
                   (por omisión: random):
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
        <translation>Ejemplos:
  %1 --seed 1 --chart growth.png
      el crecimiento de cada método con elementos aleatorios, en tabla y
      gráfico
  %1 --orders all --counts 1000,4000,16000 --seed 1
      cada método con cada orden inicial de los elementos
  %1 --methods merge --counts 10000000 --repeat 1
      un método con una cantidad grande
</translation>
    </message>
    <message>
        <source>skipped %1 on %2 items at %3, which would take %4, over the limit of %5 s; to run it, raise the limit: --max-seconds %6</source>
        <translation>se omitió %1 con %3 elementos (%2): tardaría %4, más del límite de %5 s; para ejecutarlo, sube el límite: --max-seconds %6</translation>
    </message>
    <message>
        <source>%1 grows no further on %2 items: its run at %3 took %4 s with its counting run, over the budget of %5 s; to go on, raise it: --budget %6</source>
        <translation>%1 no crece más con elementos (%2): su ejecución en %3 tardó %4 s con la de conteo, más del presupuesto de %5 s; para seguir, súbelo: --budget %6</translation>
    </message>
    <message>
        <source>between runs</source>
        <translation>entre ejecuciones</translation>
    </message>
    <message>
        <source>its counting run</source>
        <translation>su ejecución de conteo</translation>
    </message>
    <message>
        <source>during %1 on %2 items at %3 (%4)</source>
        <translation>durante %1 con %3 elementos (%2, %4)</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>menos de un segundo</translation>
    </message>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>unos %n segundo</numerusform>
            <numerusform>unos %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>unos %n minuto</numerusform>
            <numerusform>unos %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s)</source>
        <translation>
            <numerusform>unas %n hora</numerusform>
            <numerusform>unas %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s)</source>
        <translation>
            <numerusform>unos %n día</numerusform>
            <numerusform>unos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n year(s)</source>
        <translation>
            <numerusform>unos %n año</numerusform>
            <numerusform>unos %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>number of items</source>
        <translation>número de elementos</translation>
    </message>
    <message>
        <source>time of the sort (log-log)</source>
        <translation>tiempo de ordenación (log-log)</translation>
    </message>
    <message>
        <source>cannot write the chart to %1</source>
        <translation>no se puede escribir el gráfico en %1</translation>
    </message>
    <message>
        <source>cannot write the chart to %1: %2</source>
        <translation>no se puede escribir el gráfico en %1: %2</translation>
    </message>
    <message>
        <source>cannot draw the chart for %1</source>
        <translation>no se puede dibujar el gráfico para %1</translation>
    </message>
    <message>
        <source>counting</source>
        <translation>conteo</translation>
    </message>
    <message>
        <source>%1, %2, %3 items: %4, %5 s so far of %6</source>
        <translation>%1, %2, %3 elementos: %4, %5 s hasta ahora de %6</translation>
    </message>
    <message>
        <source>repeat %1 of %2</source>
        <translation>repetición %1 de %2</translation>
    </message>
    <message>
        <source>method</source>
        <translation>método</translation>
    </message>
    <message>
        <source>order</source>
        <translation>orden</translation>
    </message>
    <message>
        <source>count</source>
        <translation>cantidad</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>comparisons</source>
        <translation>comparaciones</translation>
    </message>
    <message>
        <source>exchanges</source>
        <translation>intercambios</translation>
    </message>
    <message>
        <source>merges</source>
        <translation>mezclas</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>movimientos</translation>
    </message>
    <message>
        <source>in order</source>
        <translation>en orden</translation>
    </message>
    <message>
        <source>reads</source>
        <translation>lecturas</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>cannot write the chart: %1</source>
        <translation>no se puede escribir el gráfico: %1</translation>
    </message>
    <message>
        <source>interrupted by %1 %2; %3</source>
        <translation>interrumpido por %1 %2; %3</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) complete</source>
        <translation>
            <numerusform>%n fila completa</numerusform>
            <numerusform>%n filas completas</numerusform>
        </translation>
    </message>
    <message>
        <source>no run was made</source>
        <translation>no se hizo ninguna ejecución</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falló</translation>
    </message>
    <message>
        <source>seconds in Python, every step reported</source>
        <translation>segundos en Python, cada paso informado</translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n second(s)</source>
        <translation>
            <numerusform>unos %1 a %n segundo</numerusform>
            <numerusform>unos %1 a %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n minute(s)</source>
        <translation>
            <numerusform>unos %1 a %n minuto</numerusform>
            <numerusform>unos %1 a %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n hour(s)</source>
        <translation>
            <numerusform>unas %1 a %n hora</numerusform>
            <numerusform>unas %1 a %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n day(s)</source>
        <translation>
            <numerusform>unos %1 a %n día</numerusform>
            <numerusform>unos %1 a %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %1 to %n year(s)</source>
        <translation>
            <numerusform>unos %1 a %n año</numerusform>
            <numerusform>unos %1 a %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>--orders every takes counts from 2 to %1</source>
        <translation>--orders every toma cantidades de 2 a %1</translation>
    </message>
    <message>
        <source>--orders every does not go with --script</source>
        <translation>--orders every no va con --script</translation>
    </message>
    <message>
        <source>                   or every: each of the n! orders of n distinct items, at
                   counts from 2 to 10 (default: 2 to 8); the fewest, mean and
                   most of each figure, with a worst and a best order
</source>
        <translation>                   o every: cada uno de los n! órdenes de n elementos
                   distintos, con cantidades de 2 a 10 (por omisión: 2 a 8); el
                   mínimo, la media y el máximo de cada cifra, con un peor y un
                   mejor orden
</translation>
    </message>
    <message>
        <source>fewest</source>
        <translation>mín</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>most</source>
        <translation>máx</translation>
    </message>
    <message>
        <source>worst: %1; best: %2</source>
        <translation>peor: %1; mejor: %2</translation>
    </message>
    <message>
        <source>the chart shows seconds, comparisons or moves, not &quot;%1&quot;</source>
        <translation>el gráfico muestra seconds, comparisons o moves, no «%1»</translation>
    </message>
    <message>
        <source>the scale is log or linear, not &quot;%1&quot;</source>
        <translation>la escala es log o linear, no «%1»</translation>
    </message>
    <message>
        <source>  --chart FILE     also draw a chart of the rows into FILE (.svg, .png)
  --chart-of WHAT  what the chart shows against the count: seconds,
                   comparisons or moves (default: seconds); a script&apos;s rows
                   are drawn where it shows a count
  --scale SCALE    log (log-log, the default) or linear axes
</source>
        <translation>  --chart FILE     dibujar también un gráfico de las filas en FILE (.svg, .png)
  --chart-of WHAT  lo que el gráfico muestra frente a la cantidad: seconds,
                   comparisons o moves (por omisión: seconds); las filas de un
                   script, cuando muestra un recuento
  --scale SCALE    ejes log (log-log, por omisión) o linear
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
        <translation>  --quiet          sin línea de progreso en la salida de errores
  -h, --help       mostrar este texto
  --version        mostrar la versión del programa

Estado de salida: 0 si se hizo al menos una ejecución, 1 si ninguna o si un
script falló, 2 para una línea de órdenes que no se puede seguir, 130 o 143 si
se interrumpe con SIGINT o SIGTERM.

</translation>
    </message>
    <message>
        <source>comparisons (log-log)</source>
        <translation>comparaciones (log-log)</translation>
    </message>
    <message>
        <source>item moves (log-log)</source>
        <translation>movimientos (log-log)</translation>
    </message>
    <message>
        <source>item moves</source>
        <translation>movimientos</translation>
    </message>
    <message>
        <source>time of the sort</source>
        <translation>tiempo de la ordenación</translation>
    </message>
    <message>
        <source>%1, by the initial order of the items</source>
        <translation>%1, según el orden inicial de los elementos</translation>
    </message>
    <message>
        <source>  --wide           every column in the table: also the exchanges, the merges,
                   the reads and whether equal items kept their order
</source>
        <translation>  --wide           todas las columnas de la tabla: también los intercambios,
                   las mezclas, las lecturas y si los elementos iguales
                   mantuvieron su orden
</translation>
    </message>
    <message>
        <source>per 2×</source>
        <translation>por 2×</translation>
    </message>
    <message>
        <source>budget spent: %2 s at %1, timed and counting</source>
        <translation>presupuesto: %2 s en %1 con conteo</translation>
    </message>
    <message>
        <source>Python&apos;s seconds</source>
        <translation>segundos de Python</translation>
    </message>
    <message>
        <source>--orders every counts and does not time: chart its comparisons or moves</source>
        <translation>--orders every cuenta y no cronometra: dibuje sus comparaciones (comparisons) o movimientos (moves)</translation>
    </message>
    <message>
        <source>%1: the mean over every order, shaded from the fewest to the most</source>
        <translation>%1: la media sobre cada orden, sombreada del mínimo al máximo</translation>
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
        <translation>  --counts LIST    las cantidades que se ejecutan, como 1000,5000,20000
  --from N         una serie de cantidades que se duplican desde N
                   (por omisión: 500) ...
  --to M           ... hasta M (por omisión: 1024000)
  --seed S         fija la semilla aleatoria, como &quot;Fix Random Seed&quot; (por
                   omisión: una semilla tomada del reloj)
  --script FILE    también una ordenación propia: FILE define sort(a) en
                   Python 3 y se cuenta como los métodos, una fila por cantidad
                   y orden (dada varias veces, una fila por cada una); sus
                   segundos son los de Python. Se ejecuta en /usr/bin/python3,
                   en un entorno aislado (bubblewrap, o si no Landlock del
                   núcleo), sin poder iniciar un programa, conectarse ni
                   cambiar un archivo. Su a[0] es el elemento 1 en los
                   mensajes, pues aquí los lugares se cuentan desde 1
  --unprotected    ejecutar los scripts donde aquí no funciona ningún entorno
                   aislado: entonces pueden leer todo lo que usted puede leer
  --budget SECS    en una serie, un método deja de crecer tras una ejecución
                   (sus ejecuciones cronometradas y la de conteo) de más de
                   esto (por omisión: 1)
  --max-seconds S  se omite una ejecución estimada en más de esto
                   (por omisión: 60)
  --repeat K       cronometrar cada ejecución K veces y quedarse con la mejor
                   (por omisión: 3; una ordenación de más de un segundo se
                   cronometra entonces una vez)
  --csv            escribir CSV en lugar de la tabla alineada
</translation>
    </message>
    <message>
        <source>every order takes the same steps</source>
        <translation>todo orden da los mismos pasos</translation>
    </message>
</context>
<context>
    <name>method</name>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>picks the smallest item left and exchanges it into place</source>
        <translation>toma el menor elemento restante y lo intercambia a su sitio</translation>
    </message>
    <message>
        <source>Insertion</source>
        <translation>Inserción</translation>
    </message>
    <message>
        <source>moves each item down past the greater items before it</source>
        <translation>baja cada elemento más allá de los mayores previos</translation>
    </message>
    <message>
        <source>Bubble</source>
        <translation>Burbuja</translation>
    </message>
    <message>
        <source>exchanges neighbours out of order, pass after pass</source>
        <translation>intercambia vecinos desordenados, pasada tras pasada</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>merges neighbouring runs of 1, 2, 4, ... items, bottom up</source>
        <translation>mezcla rachas vecinas de 1, 2, 4, ... elementos</translation>
    </message>
    <message>
        <source>Shell</source>
        <translation>Shell</translation>
    </message>
    <message>
        <source>insertion sort of items h apart, for h = ..., 13, 4, 1</source>
        <translation>inserción de elementos a distancia h, h = ..., 13, 4, 1</translation>
    </message>
    <message>
        <source>Heap</source>
        <translation>Montículo</translation>
    </message>
    <message>
        <source>builds a heap, then takes its largest item off, one by one</source>
        <translation>construye un montículo y saca su mayor elemento, uno a uno</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>partitions around the last item, then sorts each part</source>
        <translation>particiona en torno al último elemento y ordena cada parte</translation>
    </message>
    <message>
        <source>Median quick</source>
        <translation>Rápido con mediana</translation>
    </message>
    <message>
        <source>quick sort around the median of three items</source>
        <translation>rápido en torno a la mediana de tres elementos</translation>
    </message>
    <message>
        <source>3-way quick</source>
        <translation>Rápido de 3 vías</translation>
    </message>
    <message>
        <source>parts into less than, equal to and greater than the pivot</source>
        <translation>parte en menores, iguales y mayores que el pivote</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Introsort</translation>
    </message>
    <message>
        <source>median quick, small parts by insertion, heap when too deep</source>
        <translation>rápido con mediana, inserción si corta, montículo si honda</translation>
    </message>
    <message>
        <source>Natural merge</source>
        <translation>Mezcla natural</translation>
    </message>
    <message>
        <source>merges the runs the items already stand in</source>
        <translation>mezcla las rachas en que ya están los elementos</translation>
    </message>
    <message>
        <source>Radix</source>
        <translation>Radix</translation>
    </message>
    <message>
        <source>four passes by one byte of each item, with no comparison</source>
        <translation>cuatro pasadas por un byte de cada elemento, sin comparar</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cubetas</translation>
    </message>
    <message>
        <source>a bucket for each share of the largest, then insertion</source>
        <translation>una cubeta por cada parte del mayor, luego inserción</translation>
    </message>
</context>
<context>
    <name>order</name>
    <message>
        <source>random</source>
        <translation>aleatorio</translation>
    </message>
    <message>
        <source>random items, as the window makes them</source>
        <translation>elementos aleatorios, como los crea la ventana</translation>
    </message>
    <message>
        <source>sorted</source>
        <translation>ordenado</translation>
    </message>
    <message>
        <source>distinct random items, already in order</source>
        <translation>elementos aleatorios distintos, ya en orden</translation>
    </message>
    <message>
        <source>reversed</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>distinct random items in reverse order</source>
        <translation>elementos aleatorios distintos en orden inverso</translation>
    </message>
    <message>
        <source>nearly-sorted</source>
        <translation>casi ordenado</translation>
    </message>
    <message>
        <source>sorted, then 1 % of the items each swapped up to 10 places</source>
        <translation>ordenado y el 1 % de los elementos movido hasta 10 lugares</translation>
    </message>
    <message>
        <source>few-unique</source>
        <translation>pocos valores</translation>
    </message>
    <message>
        <source>random items of only 8 distinct values</source>
        <translation>elementos aleatorios de solo 8 valores distintos</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 items need %2; %3 is available.</source>
        <translation>%1 elementos necesitan %2; hay %3 disponibles.</translation>
    </message>
</context>
<context>
    <name>race</name>
    <message>
        <source>“%1” is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>“%1” is negative; the items must be 0 or more.</source>
        <translation>«%1» es negativo; los elementos deben ser 0 o más.</translation>
    </message>
    <message>
        <source>“%1” is too large; an item may be at most 3.4e38.</source>
        <translation>«%1» es demasiado grande; un elemento puede valer como mucho 3.4e38.</translation>
    </message>
    <message>
        <source>Enter a count from 1 to 2,000, or a list of 2 to 2,000 numbers.</source>
        <translation>Escribe una cantidad de 1 a 2.000, o una lista de 2 a 2.000 números.</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>«%1» es demasiado grande.</translation>
    </message>
    <message>
        <source>A list holds 2,000 numbers at the most, not %1.</source>
        <translation>Una lista tiene como mucho 2.000 números, no %1.</translation>
    </message>
    <message>
        <source>a race needs two methods or more</source>
        <translation>una carrera necesita dos métodos o más</translation>
    </message>
    <message>
        <source>Races sorting methods side by side on the same items, paced by their work.

  --methods LIST   the methods that race, two or more, from these, or all
                   (default: selection,insertion,bubble,merge):
</source>
        <translation>Hace correr métodos de ordenación lado a lado con los mismos elementos, al
ritmo de su trabajo.

  --methods LIST   los métodos que corren, dos o más, de estos, o all
                   (por omisión: selection,insertion,bubble,merge):
</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: its first line is not &quot;sortrace = 1&quot;</source>
        <translation>esto no es una lección de sorting-race: su primera línea no es &quot;sortrace = 1&quot;</translation>
    </message>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>el archivo ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>this is not a lesson of sorting-race: it is not text</source>
        <translation>esto no es una lección de sorting-race: no es texto</translation>
    </message>
    <message>
        <source>not a setting (name = value)</source>
        <translation>no es un ajuste (nombre = valor)</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>A lesson of sorting-race: a setting a line, as its options name them.</source>
        <translation>Una lección de sorting-race: un ajuste por línea, con el nombre de sus opciones.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on u off</translation>
    </message>
    <message>
        <source>steps a second, from 1 to 10000000</source>
        <translation>pasos por segundo, de 1 a 10000000</translation>
    </message>
    <message>
        <source>random, sorted, reversed, nearly-sorted or few-unique</source>
        <translation>random, sorted, reversed, nearly-sorted o few-unique</translation>
    </message>
    <message>
        <source>100 to 300, in steps of 25</source>
        <translation>100 a 300, en pasos de 25</translation>
    </message>
    <message>
        <source>one lesson file at a time</source>
        <translation>un archivo de lección a la vez</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [LESSON.sortrace]
</source>
        <translation>Uso: %1 [opciones] [LESSON.sortrace]
</translation>
    </message>
    <message>
        <source>--focus: %1 is no method a worksheet is made for</source>
        <translation>--focus: %1 no es un método del que se haga una hoja</translation>
    </message>
    <message>
        <source>--worksheet: %1 items at the most</source>
        <translation>--worksheet: %1 elementos como mucho</translation>
    </message>
    <message>
        <source>Wrote %1: the worksheet of %2, its answer key on the last page.</source>
        <translation>Escrito %1: la hoja de %2, sus soluciones en la última página.</translation>
    </message>
    <message>
        <source>--steps: from a step to a later one, such as 0..500</source>
        <translation>--steps: de un paso a otro posterior, como 0..500</translation>
    </message>
    <message>
        <source>--size: width x height in even numbers, 64x64 to 3840x2160, such as 1280x720</source>
        <translation>--size: ancho x alto en números pares, 64x64 a 3840x2160, como 1280x720</translation>
    </message>
    <message>
        <source>frame %1 of %2</source>
        <translation>fotograma %1 de %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Escrito %1.</translation>
    </message>
    <message>
        <source>a lesson&apos;s script must be a .py file in the lesson&apos;s folder, named from there</source>
        <translation>el script de una lección debe ser un archivo .py de la carpeta de la lección, nombrado desde ella</translation>
    </message>
    <message>
        <source>a lesson races %1 scripts at the most</source>
        <translation>una lección hace correr %1 scripts como mucho</translation>
    </message>
    <message>
        <source>  --worksheet FILE write a worksheet (PDF) of the --focus method on the items
                   (12 at the most) and its answer key, and show no window
</source>
        <translation>  --worksheet FILE escribir una hoja de ejercicios (PDF) del método --focus con
                   los elementos (12 como mucho) y sus soluciones, sin ventana
</translation>
    </message>
    <message>
        <source>  --export FILE    write the race as a video, MP4 (with its sound where --sound
                   is on) or, named *.gif, an animated GIF, and show no window
  --steps A..B     the video from step A to step B (default: the whole race)
  --size WxH       the video&apos;s size (default: 1280x720)
</source>
        <translation>  --export FILE    escribir la carrera como vídeo, MP4 (con su sonido donde
                 </translation>
    </message>
    <message>
        <source>one file to write at a time</source>
        <translation>un solo archivo que escribir a la vez</translation>
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
        <translation>  --items LIST     cuántos elementos corren (1 a 2000), o los propios
                   elementos: 2 a 2000 números, ninguno negativo, como
                   &quot;5 3 8 1 9&quot;
  --order NAME     el orden inicial de los elementos: random, sorted, reversed,
                   nearly-sorted o few-unique
  --seed N         la semilla de la que salen los elementos aleatorios
  --speed N        pasos por segundo, de 1 a 10000000
  --zoom PERCENT   todo texto más grande: 100 a 300, en pasos de 25
  --focus METHOD   mirar de cerca este método (o el nombre de archivo de un
                   script)
  --predict        preguntar por cada decisión del método que se mira
  --full-screen    llenar la pantalla
  --step N         situarse en este paso de la carrera
</translation>
    </message>
    <message>
        <source>--script-seconds: a whole number of seconds, 1 to 600</source>
        <translation>--script-seconds: un número entero de segundos, de 1 a 600</translation>
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
        <translation>  --sound está activo) o, con nombre *.gif, un GIF animado, sin
                   ventana
  --steps A..B     el vídeo del paso A al paso B (si no, toda la carrera)
  --size WxH       el tamaño del vídeo (si no, 1280x720)
  --sound          hacer sonar cada paso, un tono más agudo para un elemento
                   mayor (se recuerda)
  --script FILE    hacer correr también una ordenación propia: FILE define
                   sort(a) en Python 3 (varias veces: un panel cada una); se
                   ejecuta en /usr/bin/python3, en un entorno aislado
                   (bubblewrap, o si no Landlock del núcleo), sin poder iniciar
                   un programa, conectarse ni cambiar un archivo. Su a[0] es el
                   elemento 1 en las barras, pues aquí los lugares se cuentan
                   desde 1
  --unprotected    hacer correr los scripts donde aquí no funciona ningún
                   entorno aislado: entonces pueden leer todo lo que usted puede
                   leer
  --script-seconds N
                   el tiempo que cada script puede tardar, de 1 a 600 segundos
                   (por defecto: 10)
  LESSON.sortrace  abrir una lección guardada desde la carrera (las opciones se
                   aplican después)
  -h, --help       mostrar este texto
  --version        mostrar la versión del programa
</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 is no method&apos;s name</source>
        <translation>%1 no es el nombre de ningún método</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1: ¿quiso decir %2?</translation>
    </message>
</context>
<context>
    <name>race_export::Exports</name>
    <message>
        <source>Exporting the race to %1...</source>
        <translation>Exportando la carrera a %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exported the race to %1.</source>
        <translation>Carrera exportada a %1.</translation>
    </message>
    <message>
        <source>Click a method&apos;s panel first: the worksheet is made for the method looked at.</source>
        <translation>Haga clic primero en el panel de un método: la hoja se hace para el método que se mira.</translation>
    </message>
    <message>
        <source>A worksheet traces %1 items at the most; type fewer.</source>
        <translation>Una hoja sigue %1 elementos como mucho; escriba menos.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>no se puede escribir %1.</translation>
    </message>
    <message>
        <source>Wrote the worksheet %1, its answer key on the last page.</source>
        <translation>Hoja %1 escrita, sus soluciones en la última página.</translation>
    </message>
    <message>
        <source>Export video...</source>
        <translation>Exportar vídeo...</translation>
    </message>
    <message>
        <source>Videos (*.mp4);;Animated GIF (*.gif)</source>
        <translation>Vídeos (*.mp4);;GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>Worksheet...</source>
        <translation>Hoja de ejercicios...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>race_export::RaceVideo</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>La exportación se canceló.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>it cannot be renamed</source>
        <translation>no se puede renombrar</translation>
    </message>
</context>
<context>
    <name>race_export::Worksheet</name>
    <message>
        <source>before</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Hoja de ejercicios: %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>The items: %1</source>
        <translation>Los elementos: %1</translation>
    </message>
    <message>
        <source>Write down the items after each merge.</source>
        <translation>Escriba los elementos tras cada mezcla.</translation>
    </message>
    <message>
        <source>Write down the items after each pass.</source>
        <translation>Escriba los elementos tras cada pasada.</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Soluciones: %1</translation>
    </message>
</context>
<context>
    <name>race_window::AnswerBar</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Less</source>
        <translation>&amp;Menor</translation>
    </message>
    <message>
        <source>E&amp;qual</source>
        <translation>&amp;Igual</translation>
    </message>
    <message>
        <source>&amp;Greater</source>
        <translation>M&amp;ayor</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cubeta</translation>
    </message>
    <message>
        <source>bucket </source>
        <translation>cubeta </translation>
    </message>
    <message>
        <source>bucket ?</source>
        <translation>cubeta ?</translation>
    </message>
</context>
<context>
    <name>race_window::CodePane</name>
    <message>
        <source>%1, its code</source>
        <translation>%1, su código</translation>
    </message>
    <message>
        <source>Code of %1</source>
        <translation>Código de %1</translation>
    </message>
    <message>
        <source>Line %1: %2. %3</source>
        <translation>Línea %1: %2. %3</translation>
    </message>
    <message>
        <source>No step yet.</source>
        <translation>Aún ningún paso.</translation>
    </message>
    <message>
        <source>What your sort printed</source>
        <translation>Lo que imprimió tu ordenación</translation>
    </message>
    <message>
        <source>In Python&apos;s words:</source>
        <translation>En palabras de Python:</translation>
    </message>
</context>
<context>
    <name>race_window::MethodsMenu</name>
    <message>
        <source>Insertion sorts</source>
        <translation>Ordenamientos por inserción</translation>
    </message>
    <message>
        <source>Selection sorts</source>
        <translation>Ordenamientos por selección</translation>
    </message>
    <message>
        <source>Exchange sorts</source>
        <translation>Ordenamientos por intercambio</translation>
    </message>
    <message>
        <source>Quick sorts</source>
        <translation>Ordenamientos rápidos</translation>
    </message>
    <message>
        <source>Merge sorts</source>
        <translation>Ordenamientos por mezcla</translation>
    </message>
    <message>
        <source>Distribution sorts</source>
        <translation>Ordenamientos por distribución</translation>
    </message>
</context>
<context>
    <name>race_window::PanelGrid</name>
    <message>
        <source>%1 (unprotected)</source>
        <translation>%1 (sin protección)</translation>
    </message>
</context>
<context>
    <name>race_window::Quiz</name>
    <message>
        <source>Click the panel of the method whose moves you will predict.</source>
        <translation>Haz clic en el panel del método cuyos movimientos vas a predecir.</translation>
    </message>
    <message>
        <source>Click one of the bars.</source>
        <translation>Haz clic en una de las barras.</translation>
    </message>
    <message>
        <source>Item %1 is no longer chosen.</source>
        <translation>El elemento %1 ya no está elegido.</translation>
    </message>
    <message>
        <source>Two items are chosen: press Enter, or click one to take it back.</source>
        <translation>Hay dos elementos elegidos: pulsa Intro, o haz clic en uno para quitarlo.</translation>
    </message>
    <message>
        <source>An item is chosen: press Enter, or click it to take it back.</source>
        <translation>Hay un elemento elegido: pulsa Intro, o haz clic en él para quitarlo.</translation>
    </message>
    <message>
        <source>Press Enter to see.</source>
        <translation>Pulsa Intro para verlo.</translation>
    </message>
    <message>
        <source>And the other?</source>
        <translation>¿Y el otro?</translation>
    </message>
    <message>
        <source>Choose two items, then press Enter.</source>
        <translation>Elige dos elementos y pulsa Intro.</translation>
    </message>
    <message>
        <source>Choose an item, then press Enter.</source>
        <translation>Elige un elemento y pulsa Intro.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>The score starts again.</source>
        <translation>La puntuación empieza de nuevo.</translation>
    </message>
    <message>
        <source>A question waits: choose, then press Enter; or press P to stop predicting.</source>
        <translation>Una pregunta espera: elige y pulsa Intro; o pulsa P para dejar de predecir.</translation>
    </message>
    <message>
        <source>%1 has no decision left to predict.</source>
        <translation>A %1 no le queda ninguna decisión que predecir.</translation>
    </message>
    <message>
        <source>Answer with the buttons below.</source>
        <translation>Responde con los botones de abajo.</translation>
    </message>
    <message>
        <source>Click a bar or a copy in the strip.</source>
        <translation>Haz clic en una barra o en una copia de la franja.</translation>
    </message>
    <message>
        <source>The copy is no longer chosen.</source>
        <translation>La copia ya no está elegida.</translation>
    </message>
    <message>
        <source>Choose a bucket, then press Enter.</source>
        <translation>Elige una cubeta y pulsa Intro.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 de %3 correctas</translation>
    </message>
    <message>
        <source>0 of 0 right</source>
        <translation>0 de 0 correctas</translation>
    </message>
</context>
<context>
    <name>race_window::RacePanel</name>
    <message>
        <source>item %1: %2</source>
        <translation>elemento %1: %2</translation>
    </message>
    <message>
        <source>kept the order of equal items</source>
        <translation>mantuvo el orden de los elementos iguales</translation>
    </message>
    <message>
        <source>changed the order of equal items: %1 before %2</source>
        <translation>cambió el orden de los elementos iguales: %1 antes que %2</translation>
    </message>
    <message>
        <source>merges %1</source>
        <translation>mezclas %1</translation>
    </message>
    <message>
        <source>exchanges %1</source>
        <translation>intercambios %1</translation>
    </message>
    <message>
        <source>comparisons %1</source>
        <translation>comparaciones %1</translation>
    </message>
    <message>
        <source>moves %1</source>
        <translation>movimientos %1</translation>
    </message>
    <message>
        <source>reads %1</source>
        <translation>lecturas %1</translation>
    </message>
    <message>
        <source>done: %1, %2 steps</source>
        <translation>terminado: %1, %2 pasos</translation>
    </message>
    <message>
        <source>%1 % of %2 steps</source>
        <translation>%1 % de %2 pasos</translation>
    </message>
    <message>
        <source>items: %1</source>
        <translation>elementos: %1</translation>
    </message>
    <message>
        <source>in hand</source>
        <translation>en la mano</translation>
    </message>
    <message>
        <source>copied out</source>
        <translation>copiados aparte</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>the rank 1</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>a rank ending in 1 but 11: 21, 31, ...</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>a rank ending in 2 but 12</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>a rank ending in 3 but 13</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>any other rank</comment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>byte %1 of 4</source>
        <translation>byte %1 de 4</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>detenido tras %1 pasos</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falló: %1</translation>
    </message>
</context>
<context>
    <name>race_window::RaceSound</name>
    <message>
        <source>No audio output was found on this computer.</source>
        <translation>No se encontró ninguna salida de audio en este equipo.</translation>
    </message>
    <message>
        <source>The audio output &quot;%1&quot; cannot play the race&apos;s tones.</source>
        <translation>La salida de audio «%1» no puede reproducir los tonos de la carrera.</translation>
    </message>
    <message>
        <source>The audio output went away.</source>
        <translation>La salida de audio ha desaparecido.</translation>
    </message>
</context>
<context>
    <name>race_window::RaceWindow</name>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>once</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>doce</translation>
    </message>
    <message>
        <source>Marked: %1 the two items compared, %2 the items moved or written</source>
        <translation>Marcados: %1 los dos elementos comparados, %2 los elementos movidos o escritos</translation>
    </message>
    <message>
        <source>The seed is too large a number; the items stay as they are.</source>
        <translation>La semilla es un número demasiado grande; los elementos se quedan como están.</translation>
    </message>
    <message>
        <source>as typed</source>
        <translation>como se escribieron</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aleatorio</translation>
    </message>
    <message>
        <source>Few-unique makes items of only eight values, so it cannot keep the values you typed</source>
        <translation>«Pocos valores» crea elementos de solo ocho valores, así que no puede conservar los que escribiste</translation>
    </message>
    <message>
        <source>Choose at least two methods; the race keeps its %1.</source>
        <translation>Elige al menos dos métodos; la carrera conserva sus %1.</translation>
    </message>
    <message>
        <source>%1 methods</source>
        <translation>%1 métodos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>%1 steps/s</source>
        <translation>%1 pasos/s</translation>
    </message>
    <message>
        <source>All %1 are done: %2 finished first.</source>
        <translation>Los %1 han terminado: %2 terminó primero.</translation>
    </message>
    <message>
        <source>Press Play or Space to start.</source>
        <translation>Pulsa Iniciar o Espacio para empezar.</translation>
    </message>
    <message>
        <source>Racing...</source>
        <translation>En carrera...</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message numerus="yes">
        <source>%n typed item(s), %1.</source>
        <translation>
            <numerusform>%n elemento escrito, %1.</numerusform>
            <numerusform>%n elementos escritos, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), %1.</source>
        <translation>
            <numerusform>%n elemento, %1.</numerusform>
            <numerusform>%n elementos, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Type at least two numbers to race your own.</source>
        <translation>Escribe al menos dos números para que corran los tuyos.</translation>
    </message>
    <message>
        <source>Behind the bars: %1 the part worked on, %2 the part in order, %3 %4 a merge&apos;s two runs; %5 the pivot, %6 in its final place</source>
        <translation>Detrás de las barras: %1 la parte en curso, %2 la parte ordenada, %3 %4 las dos secuencias de una mezcla; %5 el pivote, %6 en su lugar definitivo</translation>
    </message>
    <message>
        <source>Your own sort runs in Python: install python3 to race one</source>
        <translation>Tu ordenación se ejecuta en Python: instala python3 para hacer correr una</translation>
    </message>
    <message>
        <source>Your sort</source>
        <translation>Tu ordenación</translation>
    </message>
    <message>
        <source>Python files (*.py);;All files (*)</source>
        <translation>Archivos Python (*.py);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open lesson...</source>
        <translation>Abrir lección...</translation>
    </message>
    <message>
        <source>Save lesson...</source>
        <translation>Guardar lección...</translation>
    </message>
    <message>
        <source>Copy as command</source>
        <translation>Copiar como orden</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace);;All files (*)</source>
        <translation>Lecciones (*.sortrace);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; the rest is open.</source>
        <translation>%1: %2; el resto está abierto.</translation>
    </message>
    <message>
        <source>%1 comes from a newer version: what this one knows of it is open.</source>
        <translation>%1 viene de una versión más reciente: lo que esta conoce de ella está abierto.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>Abierto %1.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>Lessons (*.sortrace)</source>
        <translation>Lecciones (*.sortrace)</translation>
    </message>
    <message>
        <source>Saved the lesson as %1.</source>
        <translation>Lección guardada como %1.</translation>
    </message>
    <message>
        <source>The command that sets the race so is on the clipboard.</source>
        <translation>La orden que ajusta así la carrera está en el portapapeles.</translation>
    </message>
    <message>
        <source>focus: %1 does not race here.</source>
        <translation>focus: %1 no corre aquí.</translation>
    </message>
    <message>
        <source>Run them?</source>
        <translation>¿Ejecutarlos?</translation>
    </message>
    <message>
        <source>Run them</source>
        <translation>Ejecutarlos</translation>
    </message>
    <message>
        <source>Open without them</source>
        <translation>Abrir sin ellos</translation>
    </message>
    <message>
        <source>This lesson wants to run these scripts of its own:</source>
        <translation>Esta lección quiere ejecutar estos scripts propios:</translation>
    </message>
    <message>
        <source>%1 cannot be protected here: %2.

Unprotected, it can read and change whatever you can. Run it all the same?</source>
        <translation>%1 no se puede proteger aquí: %2.

Sin protección, puede leer y cambiar todo lo que usted puede. ¿Ejecutarlo igualmente?</translation>
    </message>
    <message>
        <source>Run it unprotected</source>
        <translation>Ejecutarlo sin protección</translation>
    </message>
    <message>
        <source>Do not run it</source>
        <translation>No ejecutarlo</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Your sort…</source>
        <translation>Tu ordenación…</translation>
    </message>
    <message>
        <source>Recording %1: %2 steps so far; it joins the race when it has run.</source>
        <translation>Grabando %1: %2 pasos hasta ahora; se une a la carrera cuando haya terminado.</translation>
    </message>
    <message>
        <source>Stopped recording %1: it does not race.</source>
        <translation>Grabación de %1 detenida: no corre.</translation>
    </message>
    <message>
        <source>It runs in a sandbox (bubblewrap): no network, no other program, the system read-only.</source>
        <translation>Se ejecuta en un entorno aislado (bubblewrap): sin red, sin otro programa, el sistema solo de lectura.</translation>
    </message>
    <message>
        <source>It runs confined by the kernel (Landlock): it can read only the system&apos;s own files.</source>
        <translation>Se ejecuta limitado por el núcleo (Landlock): solo puede leer los archivos del sistema.</translation>
    </message>
    <message>
        <source>Nothing here can protect your files from it: it runs only where you say so.</source>
        <translation>Aquí nada puede proteger tus archivos de él: solo se ejecuta si tú lo dices.</translation>
    </message>
</context>
<context>
    <name>race_window::SoundSwitch</name>
    <message>
        <source>Hear each step: the larger the item it touches, the higher the tone</source>
        <translation>Oír cada paso: cuanto mayor el elemento que toca, más agudo el tono</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Sin sonido: %1</translation>
    </message>
</context>
<context>
    <name>script</name>
    <message>
        <source>was stopped</source>
        <translation>se detuvo</translation>
    </message>
    <message>
        <source>ended without a word: its process stopped</source>
        <translation>terminó sin decir nada: su proceso se detuvo</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB</source>
        <translation>%1 ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>cannot run: python3 is not installed</source>
        <translation>no se puede ejecutar: python3 no está instalado</translation>
    </message>
    <message>
        <source>cannot run: no process could be started</source>
        <translation>no se puede ejecutar: no se pudo iniciar ningún proceso</translation>
    </message>
    <message>
        <source>sent a line too long to read</source>
        <translation>envió una línea demasiado larga</translation>
    </message>
    <message>
        <source>sent a line it cannot have made: %1</source>
        <translation>envió una línea que no puede haber hecho: %1</translation>
    </message>
    <message>
        <source>stopped after %1 steps</source>
        <translation>detenido tras %1 pasos</translation>
    </message>
    <message>
        <source>ended with a line it cannot have made</source>
        <translation>terminó con una línea que no puede haber hecho</translation>
    </message>
    <message>
        <source>not in order: items %1 and %2</source>
        <translation>no está en orden: elementos %1 y %2</translation>
    </message>
    <message>
        <source>sent more names than a script has</source>
        <translation>envió más nombres de los que tiene un script</translation>
    </message>
    <message>
        <source>sent more than any script can</source>
        <translation>envió más de lo que puede enviar un script</translation>
    </message>
    <message>
        <source>sent seconds it cannot have measured</source>
        <translation>envió segundos que no puede haber medido</translation>
    </message>
    <message>
        <source>bubblewrap cannot start here, and the kernel has no Landlock</source>
        <translation>bubblewrap no puede iniciarse aquí, y el núcleo no tiene Landlock</translation>
    </message>
    <message>
        <source>cannot run: the kernel refused to confine it</source>
        <translation>no puede ejecutarse: el núcleo se negó a confinarlo</translation>
    </message>
    <message>
        <source>ended early, before its sort was done: its process exited with status %1</source>
        <translation>terminó antes de tiempo, sin acabar su ordenación: su proceso salió con el estado %1</translation>
    </message>
    <message>
        <source>cannot run: the filter of its system calls cannot be made</source>
        <translation>no puede ejecutarse: no se puede crear el filtro de sus llamadas al sistema</translation>
    </message>
    <message>
        <source>was not run: it cannot be protected here (%1)</source>
        <translation>no se ejecutó: aquí no se puede proteger (%1)</translation>
    </message>
    <message>
        <source>cannot run: its system calls could not be filtered</source>
        <translation>no puede ejecutarse: no se pudieron filtrar sus llamadas al sistema</translation>
    </message>
    <message>
        <source>sent more notes than its steps can have made</source>
        <translation>envió más notas de las que sus pasos pueden haber hecho</translation>
    </message>
    <message>
        <source>ended in order, but never compared the %1 and the %2 that end side by side: it read their values another way, so its counts are not a sort&apos;s</source>
        <translation>terminó en orden, pero nunca comparó el %1 y el %2 que terminan uno al lado del otro: leyó sus valores de otro modo, así que sus cuentas no son las de una ordenación</translation>
    </message>
    <message>
        <source>did not finish within %1 s: is there a loop that never ends?</source>
        <translation>no terminó en %1 s: ¿hay un bucle que nunca termina?</translation>
    </message>
    <message>
        <source>tried to open a file; a sort only needs the list it is given</source>
        <translation>intentó abrir un archivo; una ordenación solo necesita la lista que recibe</translation>
    </message>
    <message>
        <source>tried to connect to the network; a sort only needs the list it is given</source>
        <translation>intentó conectarse a la red; una ordenación solo necesita la lista que recibe</translation>
    </message>
    <message>
        <source>tried to start another program; a sort only needs the list it is given</source>
        <translation>intentó iniciar otro programa; una ordenación solo necesita la lista que recibe</translation>
    </message>
    <message>
        <source>tried to signal another program; a sort only needs the list it is given</source>
        <translation>intentó enviar una señal a otro programa; una ordenación solo necesita la lista que recibe</translation>
    </message>
    <message>
        <source>tried to change a file; a sort only needs the list it is given</source>
        <translation>intentó cambiar un archivo; una ordenación solo necesita la lista que recibe</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2 veces)</translation>
    </message>
    <message>
        <source>lost items: missing %1; there more than once: %2</source>
        <translation>elementos perdidos: faltan %1; repetidos: %2</translation>
    </message>
    <message>
        <source> (line %1 wrote over the %2, which never came back)</source>
        <translation> (la línea %1 escribió sobre el %2, que nunca volvió)</translation>
    </message>
    <message>
        <source>is not written as Python reads it</source>
        <translation>no está escrito como Python lo lee</translation>
    </message>
    <message>
        <source>has a line indented as Python does not expect</source>
        <translation>tiene una línea sangrada como Python no espera</translation>
    </message>
    <message>
        <source>divided by zero</source>
        <translation>dividió entre cero</translation>
    </message>
    <message>
        <source>used a place outside the list: a&apos;s places run from 0 to len(a) - 1</source>
        <translation>usó un lugar fuera de la lista: los lugares de a van de 0 a len(a) - 1</translation>
    </message>
    <message>
        <source>used a name that has no value yet</source>
        <translation>usó un nombre que aún no tiene valor</translation>
    </message>
    <message>
        <source>used a value in a way Python does not allow</source>
        <translation>usó un valor de una forma que Python no permite</translation>
    </message>
    <message>
        <source>asked a value for something it does not have</source>
        <translation>pidió a un valor algo que no tiene</translation>
    </message>
    <message>
        <source>called itself too deeply: is there a call that never stops?</source>
        <translation>se llamó a sí misma demasiadas veces: ¿hay una llamada que nunca se detiene?</translation>
    </message>
    <message>
        <source>used more memory than a sort may</source>
        <translation>usó más memoria de la que una ordenación puede</translation>
    </message>
    <message>
        <source>has no function sort(a): the race calls sort(a) with the list a</source>
        <translation>no tiene una función sort(a): la carrera llama a sort(a) con la lista a</translation>
    </message>
</context>
</TS>
