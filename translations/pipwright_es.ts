<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A game of dominoes for one player against the computer. Lay the double-six set end to end, score every multiple of five on the open ends, and be the first to reach 200 points.</source>
        <translation>Un juego de dominó para un jugador contra la máquina. Coloca las fichas del doble seis una tras otra, anótate cada múltiplo de cinco en los extremos abiertos y sé el primero en llegar a 200 puntos.</translation>
    </message>
    <message>
        <source>Three levels of play with hints, an optional play timer, saved games and a record of the games won and lost each day.</source>
        <translation>Tres niveles de juego con pistas, temporizador opcional, partidas guardadas y un registro diario de las partidas ganadas y perdidas.</translation>
    </message>
    <message>
        <source>Copyright © the Pipwright developers.
Released under the MIT License.</source>
        <translation>Copyright © los desarrolladores de Pipwright.
Publicado con la licencia MIT.</translation>
    </message>
    <message>
        <source>The Author of Pipwright</source>
        <translation>El autor de Pipwright</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;Game Conditions</source>
        <translation>&amp;Condiciones de la partida</translation>
    </message>
    <message>
        <source>&amp;Open a Previous Game</source>
        <translation>&amp;Abrir una partida anterior</translation>
    </message>
    <message>
        <source>&amp;Save the Present Game</source>
        <translation>&amp;Guardar la partida actual</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>T&amp;he Existing Round</source>
        <translation>La &amp;ronda actual</translation>
    </message>
    <message>
        <source>&amp;The Entire Game</source>
        <translation>La &amp;partida entera</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Historial de partidas</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>Hoja de &amp;puntuación</translation>
    </message>
    <message>
        <source>&amp;Playing Conditions</source>
        <translation>&amp;Condiciones de juego</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Dominos</source>
        <translation>&amp;Acerca de Dominó</translation>
    </message>
    <message>
        <source>New &amp;Table...</source>
        <translation>Nueva &amp;mesa...</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>P&amp;ista</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pipwright Help</source>
        <translation>Ayuda de Pipwright</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the player&apos;s name cannot name a file</source>
        <translation>el nombre del jugador no sirve como nombre de archivo</translation>
    </message>
    <message>
        <source>today&apos;s date is not known</source>
        <translation>no se conoce la fecha de hoy</translation>
    </message>
    <message>
        <source>the history folder cannot be created</source>
        <translation>no se puede crear la carpeta del historial</translation>
    </message>
    <message>
        <source>another copy of the game holds the history</source>
        <translation>otra copia del juego está usando el historial</translation>
    </message>
    <message>
        <source>line %1 is not a date and two counts</source>
        <translation>la línea %1 no es una fecha con dos cuentas</translation>
    </message>
    <message>
        <source>%1,  Your game history is:</source>
        <translation>%1, tu historial de partidas es:</translation>
    </message>
    <message>
        <source>Date of Play       Games Won        Games Lost</source>
        <translation>Fecha de juego     Ganadas          Perdidas</translation>
    </message>
    <message>
        <source>%1&apos;s Game History..</source>
        <translation>Historial de partidas de %1..</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation>El archivo de historial %1 está dañado en la línea %2 y se conserva tal como está.</translation>
    </message>
    <message>
        <source>Today&apos;s games were added to the end of %1, but the history could not be merged into one line per day.</source>
        <translation>Las partidas de hoy se añadieron al final de %1, pero el historial no se pudo reunir en una línea por día.</translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded in %1.</source>
        <translation>Las partidas de hoy no se pudieron registrar en %1.</translation>
    </message>
    <message>
        <source>The game history %1 could not be merged into one line per day.</source>
        <translation>El archivo de historial %1 no se pudo reunir en una línea por día.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games were added to its end.</source>
        <translation>El archivo de historial %1 está dañado en la línea %2 y se conserva tal como está. Las partidas de hoy se añadieron al final.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games could not be recorded.</source>
        <translation>El archivo de historial %1 está dañado en la línea %2 y se conserva tal como está. Las partidas de hoy no se pudieron registrar.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Classic game</source>
        <translation>Juego clásico</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
</context>
<context>
    <name>MainWindowPort</name>
    <message>
        <source>Player&apos;s Selection %1</source>
        <translation>Elección del jugador %1</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection %1</source>
        <translation>Elección de la máquina %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Computer will Select 7 Dominos from the BoneYard</source>
        <translation>La máquina robará 7 fichas del pozo</translation>
    </message>
    <message>
        <source>The Computer will Draw %1 more Dominos from the BoneYard</source>
        <translation>La máquina robará %1 fichas más del pozo</translation>
    </message>
    <message>
        <source>The Computer will Draw 1 more Domino from the BoneYard</source>
        <translation>La máquina robará 1 ficha más del pozo</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos in the BoneYard..</source>
        <translation>%1, haz clic en 7 fichas del pozo..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Dominos..</source>
        <translation>%1, haz clic izquierdo en una de tus fichas..</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking..</source>
        <translation>%1, la máquina está pensando..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Domios</source>
        <translation>%1, haz clic izquierdo en una de tus fichas</translation>
    </message>
    <message>
        <source>%1, It&apos;s Your Turn, The Computer Can&apos;t Play..</source>
        <translation>%1, te toca a ti, la máquina pasa..</translation>
    </message>
    <message>
        <source>The Computer Exceeded 18 Dominos..</source>
        <translation>La máquina llegó a 18 fichas..</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The Computer has exceeded the mazimum of 18<byte value="xd"/>Dominos and does not have one equal to either<byte value="xd"/>of the two target Dominos on the Screen.  It is now<byte value="xd"/>your turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>La máquina llegó al máximo de 18<byte value="xd"/>fichas y no tiene ninguna que case con<byte value="xd"/>ninguno de los dos extremos de la mesa. Ahora<byte value="xd"/>te toca jugar a ti...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1, Hint: Draw a Domino from the BoneYard..</source>
        <translation>%1, pista: roba una ficha del pozo..</translation>
    </message>
    <message>
        <source>%1, Hint: No Domino fits, press Can&apos;t Play..</source>
        <translation>%1, pista: no te casa ninguna ficha, pulsa Paso..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Left End..</source>
        <translation>%1, pista: juega la ficha elegida en el extremo izquierdo..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Right End..</source>
        <translation>%1, pista: juega la ficha elegida en el extremo derecho..</translation>
    </message>
    <message>
        <source>%1&apos;s Dominos</source>
        <translation>Fichas de %1</translation>
    </message>
    <message>
        <source>%1, Click on any Domino in the BoneYard to see who Plays First..</source>
        <translation>%1, haz clic en cualquier ficha del pozo para ver quién sale..</translation>
    </message>
    <message>
        <source>%1&apos; Score=%2</source>
        <translation>Puntos de %1=%2</translation>
    </message>
    <message>
        <source>%1&apos;s Score=%2</source>
        <translation>Puntos de %1=%2</translation>
    </message>
    <message>
        <source>Computer&apos;s Score=%1</source>
        <translation>Puntos de la máquina=%1</translation>
    </message>
    <message>
        <source>%1,  Click the Left Mouse on one of your Dominos...</source>
        <translation>%1, haz clic izquierdo en una de tus fichas...</translation>
    </message>
    <message>
        <source>%1, Click on the corresponding Domino in the Play Field..</source>
        <translation>%1, haz clic en la ficha correspondiente de la mesa..</translation>
    </message>
    <message>
        <source>%1, Wrong Selection....</source>
        <translation>%1, selección incorrecta....</translation>
    </message>
    <message>
        <source>You are only allowed 18 Dominos</source>
        <translation>Solo puedes tener 18 fichas</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>You have exceeded the maximum of 18<byte value="xd"/>Dominos.  It is now the Computer&apos;s<byte value="xd"/>turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>No puedes pasar del máximo de 18<byte value="xd"/>fichas. Ahora le toca jugar<byte value="xd"/>a la máquina...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1&apos;s Score is %2</source>
        <translation>%1 tiene %2 puntos</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking....</source>
        <translation>%1, la máquina está pensando....</translation>
    </message>
    <message>
        <source>Computer&apos;s Score is %1</source>
        <translation>La máquina tiene %1 puntos</translation>
    </message>
    <message>
        <source>The Computer has the Highest Domino, and will Start the Game..</source>
        <translation>La máquina tiene la ficha más alta y empieza el juego..</translation>
    </message>
    <message>
        <source>%1 has the Highest Domino, and will Start the Game..</source>
        <translation>%1 tiene la ficha más alta y empieza el juego..</translation>
    </message>
    <message>
        <source>%1, You Tied with the Computer, Reselect another Domino</source>
        <translation>%1, empataste con la máquina, elige otra ficha</translation>
    </message>
    <message>
        <source>%1, Click on any Domino you wish to be played as the Set Domino..</source>
        <translation>%1, haz clic en la ficha que quieras jugar como ficha de salida..</translation>
    </message>
    <message>
        <source>The Computer will now select a Domino to be used as the Set Domino..</source>
        <translation>Ahora la máquina elegirá la ficha de salida..</translation>
    </message>
    <message>
        <source>The Computer&apos;s Turn to Play....</source>
        <translation>Le toca jugar a la máquina....</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Dominos in the BoneYard..</source>
        <translation>%1, haz clic en %2 fichas más del pozo..</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Domino in the BoneYard..</source>
        <translation>%1, haz clic en %2 ficha más del pozo..</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos from the BoneYard..</source>
        <translation>%1, haz clic en 7 fichas del pozo..</translation>
    </message>
    <message>
        <source>%1, The Computer will Draw 7 Dominos from the BoneYard..</source>
        <translation>%1, la máquina robará 7 fichas del pozo..</translation>
    </message>
    <message>
        <source>Sorry %1</source>
        <translation>Lo siento, %1</translation>
    </message>
    <message>
        <source>%1, You waited to Long.<byte value="xd"/>Your allotted Time of %2 Seconds has expired.<byte value="xd"/>It is now the Computer&apos;s turn to Play..</source>
        <translation>%1, tardaste demasiado.<byte value="xd"/>Se acabó tu tiempo de %2 s.<byte value="xd"/>Ahora le toca jugar a la máquina..</translation>
    </message>
    <message>
        <source>Games Won=%1</source>
        <translation>Ganadas=%1</translation>
    </message>
    <message>
        <source>Games Lost=%1</source>
        <translation>Perdidas=%1</translation>
    </message>
    <message>
        <source>%1, Hint: Lead with the %2 as your Set Domino..</source>
        <translation>%1, consejo: sal con el %2..</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>The line: no dominoes laid</source>
        <translation>La línea: ninguna ficha colocada</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, 1 domino laid</source>
        <translation>La línea: extremo izquierdo %1, extremo derecho %2, 1 ficha colocada</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, %3 dominoes laid</source>
        <translation>La línea: extremo izquierdo %1, extremo derecho %2, %3 fichas colocadas</translation>
    </message>
    <message>
        <source>BoneYard: 1 domino face down</source>
        <translation>Pozo: 1 ficha boca abajo</translation>
    </message>
    <message>
        <source>BoneYard: %1 dominoes face down</source>
        <translation>Pozo: %1 fichas boca abajo</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>W I N N E R</source>
        <translation>G A N A S T E</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Perdiste</translation>
    </message>
    <message>
        <source>Sorry, Ties Don&apos;t Count</source>
        <translation>Los empates no cuentan</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1, You Win this Round...</source>
        <translation>%1, ganaste esta ronda...</translation>
    </message>
    <message>
        <source>%1,  You Win this Round.</source>
        <translation>%1, ganaste esta ronda.</translation>
    </message>
    <message>
        <source>The Computer&apos;s Dominos have a value of %1</source>
        <translation>Las fichas de la máquina suman %1 puntos</translation>
    </message>
    <message>
        <source>Your Score of %1 will be increased by %2 to %3</source>
        <translation>Tu puntuación de %1 aumentará en %2, hasta %3</translation>
    </message>
    <message>
        <source>%1, You Lost this Round...</source>
        <translation>%1, perdiste esta ronda...</translation>
    </message>
    <message>
        <source>%1,  The Computer Won this Round..</source>
        <translation>%1, la máquina ganó esta ronda..</translation>
    </message>
    <message>
        <source>Your Dominos have a value of %1</source>
        <translation>Tus fichas suman %1 puntos</translation>
    </message>
    <message>
        <source>The Computer&apos;s Score of %1 will be increased by %2 to %3</source>
        <translation>La puntuación de la máquina aumentará en %2, de %1 a %3</translation>
    </message>
    <message>
        <source>%1,  You Win this Round...</source>
        <translation>%1, ganaste esta ronda...</translation>
    </message>
    <message>
        <source>Your %1 Dominos have a value of %2.  The Computer</source>
        <extracomment>This label and the next two read as one paragraph, broken at the ends of the window&apos;s lines.</extracomment>
        <translation>Tus %1 fichas suman %2 puntos. La máquina</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  Your score of %3</source>
        <translation>tenía %1 fichas que sumaban %2. Tu puntuación de %3</translation>
    </message>
    <message>
        <source>will be increased by %1 to %2.</source>
        <translation>aumentará en %1, hasta %2.</translation>
    </message>
    <message>
        <source>Sorry, %1,  The Computer Won this Round...</source>
        <translation>Lo siento, %1, la máquina ganó esta ronda...</translation>
    </message>
    <message>
        <source>%1,  You Lost this Round...</source>
        <translation>%1, perdiste esta ronda...</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  The Computer&apos;s</source>
        <translation>tenía %1 fichas que sumaban %2. La puntuación de</translation>
    </message>
    <message>
        <source>Score of %1 will be increased by %2 to %3.</source>
        <translation>la máquina aumentará en %2, de %1 a %3.</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with a Score of %2</source>
        <translation>%1, empataste con la máquina con una puntuación de %2</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with %2 Pips</source>
        <translation>%1, empataste con la máquina a %2 puntos</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>%1 slot %2 holds %3-%4</source>
        <translation>el hueco %2 %1 tiene el %3-%4</translation>
    </message>
    <message>
        <source>%1 slot %2 is half empty</source>
        <translation>el hueco %2 %1 está medio vacío</translation>
    </message>
    <message>
        <source>left entry %1 has a wrong index</source>
        <translation>la entrada %1 del brazo izquierdo tiene un índice erróneo</translation>
    </message>
    <message>
        <source>right entry %1 has a wrong index</source>
        <translation>la entrada %1 del brazo derecho tiene un índice erróneo</translation>
    </message>
    <message>
        <source>left entry %1 does not match</source>
        <translation>la entrada %1 del brazo izquierdo no casa</translation>
    </message>
    <message>
        <source>right entry %1 does not match</source>
        <translation>la entrada %1 del brazo derecho no casa</translation>
    </message>
    <message>
        <source>left entry %1 holds %2-%3</source>
        <translation>la entrada %1 del brazo izquierdo tiene el %2-%3</translation>
    </message>
    <message>
        <source>right entry %1 holds %2-%3</source>
        <translation>la entrada %1 del brazo derecho tiene el %2-%3</translation>
    </message>
    <message>
        <source>%1-%2 is in %3 places</source>
        <translation>el %1-%2 está en %3 sitios</translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation>fase: %1</translation>
    </message>
    <message>
        <source>Playerdom %1</source>
        <translation>número de fichas del jugador: %1</translation>
    </message>
    <message>
        <source>ComputerDom %1</source>
        <translation>número de fichas de la máquina: %1</translation>
    </message>
    <message>
        <source>PlayerScore %1</source>
        <translation>puntuación del jugador: %1</translation>
    </message>
    <message>
        <source>ComputerScore %1</source>
        <translation>puntuación de la máquina: %1</translation>
    </message>
    <message>
        <source>BoneYard</source>
        <translation>del pozo</translation>
    </message>
    <message>
        <source>the BoneYard lacks dominoes before the draw</source>
        <translation>al pozo le faltan fichas antes del robo</translation>
    </message>
    <message>
        <source>player</source>
        <translation>del jugador</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>de la máquina</translation>
    </message>
    <message>
        <source>arm counts %1 and %2</source>
        <translation>número de fichas de los brazos: %1 y %2</translation>
    </message>
    <message>
        <source>the two arms disagree on the Set Domino</source>
        <translation>los dos brazos no coinciden en la ficha de salida</translation>
    </message>
    <message>
        <source>%1 dominoes are missing</source>
        <translation>faltan %1 fichas</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>un texto entre comillas no se cierra</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>hay texto después de unas comillas de cierre</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the game would not open again: %1</source>
        <translation>la partida no se volvería a abrir: %1</translation>
    </message>
    <message>
        <source>the game would not open again as it was saved</source>
        <translation>la partida no se volvería a abrir tal como se guardó</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>el archivo se acaba y falta %1</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>%1 is not a whole number that fits</source>
        <translation>%1 no es un número entero que quepa</translation>
    </message>
    <message>
        <source>%1 is not #TRUE# or #FALSE#</source>
        <translation>%1 no es #TRUE# ni #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a number that fits</source>
        <translation>%1 no es un número que quepa</translation>
    </message>
    <message>
        <source>%1 is not a quoted text</source>
        <translation>%1 no es un texto entre comillas</translation>
    </message>
    <message>
        <source>%1 is not a value</source>
        <translation>%1 no es un valor</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 to %4</source>
        <translation>%1 es %2, no un valor de %3 a %4</translation>
    </message>
    <message>
        <source>a half in %1</source>
        <translation>una mitad en %1</translation>
    </message>
    <message>
        <source>a slot in %1 holds 7 in one half only</source>
        <translation>un hueco en %1 tiene un 7 en una sola mitad</translation>
    </message>
    <message>
        <source>a left arm entry</source>
        <translation>una entrada del brazo izquierdo</translation>
    </message>
    <message>
        <source>a half in the left arm</source>
        <translation>una mitad en el brazo izquierdo</translation>
    </message>
    <message>
        <source>a left arm rectangle</source>
        <translation>un rectángulo del brazo izquierdo</translation>
    </message>
    <message>
        <source>a half in the right arm</source>
        <translation>una mitad en el brazo derecho</translation>
    </message>
    <message>
        <source>a right arm entry</source>
        <translation>una entrada del brazo derecho</translation>
    </message>
    <message>
        <source>the hands are dealt before who plays first is known</source>
        <translation>las manos se reparten antes de saber quién sale</translation>
    </message>
    <message>
        <source>the computer draws other than seven dominoes</source>
        <translation>la máquina roba un número de fichas distinto de siete</translation>
    </message>
    <message>
        <source>the player&apos;s seven is marked other than the hand holds it</source>
        <translation>la marca de las siete fichas del jugador no coincide con su mano</translation>
    </message>
    <message>
        <source>the computer&apos;s seven is marked but not in its hand</source>
        <translation>las siete fichas de la máquina están marcadas pero no están en su mano</translation>
    </message>
    <message>
        <source>the side that draws second holds its seven first</source>
        <translation>el lado que roba en segundo lugar tiene sus siete fichas antes que el otro</translation>
    </message>
    <message>
        <source>the phase code</source>
        <translation>el código de fase</translation>
    </message>
    <message>
        <source>the player&apos;s name</source>
        <translation>el nombre del jugador</translation>
    </message>
    <message>
        <source>the player&apos;s name is not one the start-up window makes</source>
        <translation>el nombre del jugador no es uno que pueda dar la ventana de inicio</translation>
    </message>
    <message>
        <source>the player&apos;s domino count</source>
        <translation>el número de fichas del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s domino count</source>
        <translation>el número de fichas de la máquina</translation>
    </message>
    <message>
        <source>the left arm count</source>
        <translation>el número de fichas del brazo izquierdo</translation>
    </message>
    <message>
        <source>the right arm count</source>
        <translation>el número de fichas del brazo derecho</translation>
    </message>
    <message>
        <source>the player&apos;s played domino</source>
        <translation>la ficha jugada por el jugador</translation>
    </message>
    <message>
        <source>the player&apos;s played domino is not two halves joined by -</source>
        <translation>la ficha jugada por el jugador no son dos mitades unidas por -</translation>
    </message>
    <message>
        <source>the left end</source>
        <translation>el extremo izquierdo</translation>
    </message>
    <message>
        <source>the right end</source>
        <translation>el extremo derecho</translation>
    </message>
    <message>
        <source>the player&apos;s draw</source>
        <translation>el robo inicial del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s draw</source>
        <translation>el robo inicial de la máquina</translation>
    </message>
    <message>
        <source>the winner-starts setting</source>
        <translation>la opción de que salga el ganador</translation>
    </message>
    <message>
        <source>the player&apos;s score</source>
        <translation>la puntuación del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s score</source>
        <translation>la puntuación de la máquina</translation>
    </message>
    <message>
        <source>the computer&apos;s slot index</source>
        <translation>el índice de hueco de la máquina</translation>
    </message>
    <message>
        <source>the player&apos;s Can&apos;t Play</source>
        <translation>el Paso del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s Can&apos;t Play</source>
        <translation>el Paso de la máquina</translation>
    </message>
    <message>
        <source>the drawing place</source>
        <translation>el lugar de robo</translation>
    </message>
    <message>
        <source>the player&apos;s seven</source>
        <translation>la marca de las siete fichas del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s seven</source>
        <translation>la marca de las siete fichas de la máquina</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino</source>
        <translation>la ficha jugada por la máquina</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino is not two halves joined by -</source>
        <translation>la ficha jugada por la máquina no son dos mitades unidas por -</translation>
    </message>
    <message>
        <source>the play timer</source>
        <translation>el temporizador de juego</translation>
    </message>
    <message>
        <source>the time to play</source>
        <translation>el tiempo para jugar</translation>
    </message>
    <message>
        <source>the time to play is not 1 to 12 seconds</source>
        <translation>el tiempo para jugar no es de 1 a 12 segundos</translation>
    </message>
    <message>
        <source>the game history setting</source>
        <translation>la opción del historial de partidas</translation>
    </message>
    <message>
        <source>the level of play</source>
        <translation>el nivel de juego</translation>
    </message>
    <message>
        <source>the player&apos;s hand</source>
        <translation>la mano del jugador</translation>
    </message>
    <message>
        <source>the computer&apos;s hand</source>
        <translation>la mano de la máquina</translation>
    </message>
    <message>
        <source>the BoneYard</source>
        <translation>el pozo</translation>
    </message>
    <message>
        <source>the dominoes are not a game that can be played: %1</source>
        <translation>las fichas no forman una partida que se pueda jugar: %1</translation>
    </message>
    <message>
        <source>a side holds its seven before who plays first is drawn</source>
        <translation>un lado tiene sus siete fichas antes de saber quién sale</translation>
    </message>
    <message>
        <source>a score is one play cannot reach</source>
        <translation>hay una puntuación que el juego no puede alcanzar</translation>
    </message>
    <message>
        <source>this is a table&apos;s file: open it with Open in the table window</source>
        <translation>es un archivo de mesa: ábralo con Abrir en la ventana de la mesa</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s seat, named where the player&apos;s name stands.</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>%1 set %2: %3 + %4 = %5, +%6</source>
        <translation>%1 salió con %2: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the left: %3 + %4 = %5, +%6</source>
        <translation>%1 colocó %2 a la izquierda: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the right: %3 + %4 = %5, +%6</source>
        <translation>%1 colocó %2 a la derecha: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How the round ended, then what it was worth: two sentences.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Totals: %1 %2, Computer %3</source>
        <translation>Totales: %1 %2, Máquina %3</translation>
    </message>
    <message>
        <source>%1 wins the game, %2 to %3.</source>
        <translation>%1 gana la partida, %2 a %3.</translation>
    </message>
    <message>
        <source>Opened from a file: %1 %2, Computer %3</source>
        <translation>Partida abierta desde un archivo: %1 %2, Máquina %3</translation>
    </message>
    <message>
        <source>Round restarted, back to %1 %2, Computer %3</source>
        <translation>Ronda reiniciada, se vuelve a %1 %2, Máquina %3</translation>
    </message>
    <message>
        <source>Game restarted: %1 %2, Computer %3</source>
        <translation>Partida reiniciada: %1 %2, Máquina %3</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 se quedó sin fichas.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round.</source>
        <translation>%1 llegó a 200 a mitad de ronda.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round (%2).</source>
        <translation>%1 llegó a 200 a mitad de ronda (%2).</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Ronda bloqueada.</translation>
    </message>
    <message>
        <source>Blocked, a tie.</source>
        <translation>Ronda bloqueada, empate.</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: no points</source>
        <translation>%1 tiene %2, Máquina %3: sin puntos</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, +%5 to %6</source>
        <translation>%1 tiene %2, Máquina %3: %4, +%5 para %6</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7</source>
        <translation>%1 tiene %2, Máquina %3: %4, redondeado a %5, +%6 para %7</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dominoes a side held, the last two joined: &quot;6-4, 3-3 and 2-1&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 held %2: %3</source>
        <translation>%1 tenía %2: %3</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>this is a saved game of the classic window: open it with Open a Previous Game</source>
        <translation>es una partida guardada de la ventana clásica: ábrala con Abrir una partida anterior</translation>
    </message>
    <message>
        <source>this is not a table file</source>
        <translation>no es un archivo de mesa</translation>
    </message>
    <message>
        <source>this line does not follow from the game before it</source>
        <translation>esta línea no se sigue de la partida anterior</translation>
    </message>
    <message>
        <source>the file goes on after the table&apos;s state</source>
        <translation>el archivo sigue después del estado de la mesa</translation>
    </message>
    <message>
        <source>the computers&apos; decisions differ from the game</source>
        <translation>las decisiones de las computadoras no cuadran con la partida</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>esta línea no se puede leer</translation>
    </message>
    <message>
        <source>the file ends before the table&apos;s state</source>
        <translation>el archivo termina antes del estado de la mesa</translation>
    </message>
    <message>
        <source>this line does not agree with the game as replayed</source>
        <translation>esta línea no coincide con la partida rejugada</translation>
    </message>
    <message>
        <source>no table is played with these rules</source>
        <translation>ninguna mesa se juega con estas reglas</translation>
    </message>
    <message>
        <source>this seat is not the one to play</source>
        <translation>no es el turno de este asiento</translation>
    </message>
    <message>
        <source>the rules refuse this move</source>
        <translation>las reglas no permiten esta jugada</translation>
    </message>
</context>
<context>
    <name>TableHistory</name>
    <message>
        <source>The game was added to the end of the damaged history %1.</source>
        <translation>La partida se añadió al final del historial dañado %1.</translation>
    </message>
    <message>
        <source>The game could not be added to the history: %1</source>
        <translation>No se pudo añadir la partida al historial: %1</translation>
    </message>
    <message>
        <source>%1&apos;s games of %2 could not be added to the history: %3</source>
        <translation>No se pudieron añadir al historial las partidas de %2 de %1: %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Compañero</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Enfrente</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>You and %1</source>
        <translation>Tú y %1</translation>
    </message>
    <message>
        <source>you and %1</source>
        <translation>ti y %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>1 domino</source>
        <translation>1 ficha</translation>
    </message>
    <message>
        <source>%1 dominoes</source>
        <translation>%1 fichas</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Dominó en parejas</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Dominó de bloqueo</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dominó de robo</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Todos cincos</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Cincos y treses</translation>
    </message>
    <message>
        <source>Four at the table, partners opposite, all 28 dealt; the side that goes out takes the pips left in every hand.</source>
        <translation>Cuatro a la mesa, los compañeros enfrente, se reparten las 28; la pareja que domina se lleva los puntos de todas las manos.</translation>
    </message>
    <message>
        <source>Seven each, no drawing: pass when nothing fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Siete para cada uno, sin robar: pase cuando nada encaja; el ganador se lleva los puntos de los demás menos los suyos.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard until a domino fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Roba del pozo hasta que una ficha encaje; el ganador se lleva los puntos de los demás menos los suyos.</translation>
    </message>
    <message>
        <source>Draw when stuck; score the open ends whenever they add up to a multiple of five.</source>
        <translation>Roba si no puedes jugar; anota los extremos cuando suman un múltiplo de cinco.</translation>
    </message>
    <message>
        <source>Score the ends by fives and threes (15 scores 8); knock when nothing fits.</source>
        <translation>Anota los extremos por cincos y treses (15 vale 8); pase cuando nada encaja.</translation>
    </message>
    <message>
        <source>%1: leads %2</source>
        <translation>%1: sale con %2</translation>
    </message>
    <message>
        <source>%1: lays %2 on the left end</source>
        <translation>%1: juega %2 en el extremo izquierdo</translation>
    </message>
    <message>
        <source>%1: lays %2 on the right end</source>
        <translation>%1: juega %2 en el extremo derecho</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, anota %1</translation>
    </message>
    <message>
        <source>%1: draws</source>
        <translation>%1: roba</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: pase</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 ganó la partida</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 dominó.</translation>
    </message>
    <message>
        <source>The game is blocked.</source>
        <translation>Tranque.</translation>
    </message>
    <message>
        <source>%1 reached %2.</source>
        <translation>%1 llegó a %2.</translation>
    </message>
    <message>
        <source>The lowest hands are level: nobody scores.</source>
        <translation>Las manos más bajas empatan: nadie anota.</translation>
    </message>
    <message>
        <source>Nothing to %1.</source>
        <translation>Nada para %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 tiene %2</translation>
    </message>
    <message>
        <source>%1 hold %2</source>
        <translation>%1 tienen %2</translation>
    </message>
    <message>
        <source>, less </source>
        <translation>, menos </translation>
    </message>
    <message>
        <source>%1: %2, to %3</source>
        <translation>%1: %2, para %3</translation>
    </message>
    <message>
        <source>Line, empty</source>
        <translation>Línea, vacía</translation>
    </message>
    <message>
        <source>Line, open ends %1 and %2</source>
        <translation>Línea, extremos %1 y %2</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Pista: roba</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Pista: pase</translation>
    </message>
    <message>
        <source>Hint: lead %1</source>
        <translation>Pista: sal con %1</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the left end</source>
        <translation>Pista: juega %1 en el extremo izquierdo</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the right end</source>
        <translation>Pista: juega %1 en el extremo derecho</translation>
    </message>
    <message>
        <source>you</source>
        <translation>ti</translation>
    </message>
    <message>
        <source>A blocked hand scores nothing.</source>
        <translation>Un tranque no vale nada.</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Puntos en mano: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Every count that scored and every hand&apos;s award of the present game</source>
        <translation>Cada cuenta que puntuó y lo que se anotó en cada mano de la partida actual</translation>
    </message>
</context>
<context>
    <name>pipwright::GameConditionsDialog</name>
    <message>
        <source>%1 Seconds to Play a Domino.</source>
        <translation>Segundos por jugada: %1.</translation>
    </message>
    <message>
        <source>%1 Seconds to Play a Domino</source>
        <translation>Segundos por jugada: %1</translation>
    </message>
    <message>
        <source>Game Conditions</source>
        <translation>Condiciones de la partida</translation>
    </message>
    <message>
        <source>Play Timers</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>To increase the Time You or the Computer have to play a Domino, move the Slider to the right and to decrease the time, move it to the Left.  The minimum time is 1 seconds and the maximum is 12 seconds.  To start the Timer, Check the Box to the Left.</source>
        <translation>Para dar más tiempo para jugar cada ficha, a ti y a la máquina, mueve el control a la derecha; para dar menos, muévelo a la izquierda. El mínimo es 1 segundo y el máximo, 12 segundos. Para poner en marcha el temporizador, marca la casilla de la izquierda.</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nivel de juego</translation>
    </message>
    <message>
        <source>Starting the Next Hand</source>
        <translation>Inicio de la ronda</translation>
    </message>
    <message>
        <source>The Winner of the Game will place the Set Domino on the Next Game.</source>
        <translation>El ganador de la ronda pondrá la ficha de salida en la ronda siguiente.</translation>
    </message>
    <message>
        <source>Check this Box if You want to record Today&apos;s Wins and Losses.  The Game History of the individual Player can be viewed by a Menu selection.</source>
        <translation>Marca esta casilla si quieres registrar las victorias y derrotas de hoy. El historial de partidas de cada jugador se puede ver desde el menú.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>%1 and the Computer will each draw one Domino from the BoneYard and whoever has the Domino with the largest value will start the next Game.</source>
        <translation>%1 y la máquina robarán una ficha del pozo cada uno, y quien tenga la ficha de más valor empezará la ronda siguiente.</translation>
    </message>
    <message>
        <source>An Expert Player.  The Computer will provide fierce competition to %1.</source>
        <translation>Un jugador experto. La máquina será un rival duro para %1.</translation>
    </message>
    <message>
        <source>A Master Player.  The Computer plays to win, and never looks at %1&apos;s Dominos.</source>
        <translation>Un jugador maestro. La máquina juega para ganar y nunca mira las fichas de %1.</translation>
    </message>
    <message>
        <source>A Novice Player.  The Computer will not present much of a challenge to %1.</source>
        <translation>Un jugador novato. La máquina no será un gran desafío para %1.</translation>
    </message>
</context>
<context>
    <name>pipwright::GameTable</name>
    <message>
        <source>Player&apos;s Selection</source>
        <translation>Elección del jugador</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection</source>
        <translation>Elección de la máquina</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Fichas de la máquina</translation>
    </message>
    <message>
        <source>BoneYard Dominos</source>
        <translation>Fichas del pozo</translation>
    </message>
    <message>
        <source>Can&apos;t Play</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Player&apos;s Dominos</source>
        <translation>Fichas del jugador</translation>
    </message>
</context>
<context>
    <name>pipwright::HistoryChart</name>
    <message numerus="yes">
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation>
            <numerusform>%1 ganadas y %2 perdidas de %3 partida: %4% ganadas.</numerusform>
            <numerusform>%1 ganadas y %2 perdidas de %3 partidas: %4% ganadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The last %1 of %2 days played:</source>
        <translation>Los últimos %1 de %2 días jugados:</translation>
    </message>
    <message>
        <source>%1: %2 won, %3 lost</source>
        <translation>%1: %2 ganadas, %3 perdidas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>The last %1 of %2 days</source>
        <translation>Los últimos %1 de %2 días</translation>
    </message>
</context>
<context>
    <name>pipwright::NewTableDialog</name>
    <message>
        <source>New Table</source>
        <translation>Nueva mesa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>&amp;Asientos:</translation>
    </message>
    <message>
        <source>Play as two &amp;partnerships</source>
        <translation>Jugar en dos &amp;parejas</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Meta:</translation>
    </message>
    <message>
        <source>The target must be reached &amp;exactly</source>
        <translation>Hay que llegar a la meta &amp;exacta</translation>
    </message>
    <message>
        <source>The pips in all hands</source>
        <translation>Los puntos de todas las manos</translation>
    </message>
    <message>
        <source>The opponents&apos; pips only</source>
        <translation>Solo los puntos de los rivales</translation>
    </message>
    <message>
        <source>&amp;Award:</source>
        <translation>&amp;Premio:</translation>
    </message>
    <message>
        <source>%1 plays as:</source>
        <translation>%1 juega como:</translation>
    </message>
</context>
<context>
    <name>pipwright::ScoreSheetWindow</name>
    <message>
        <source>Score Sheet</source>
        <translation>Hoja de puntuación</translation>
    </message>
    <message>
        <source>Every count that scored and every round&apos;s award of the present game</source>
        <translation>Cada cuenta que puntuó y lo que se anotó en cada ronda de la partida actual</translation>
    </message>
</context>
<context>
    <name>pipwright::TableDrawing</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>BoneYard
%1</source>
        <translation>Pozo
%1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pase</translation>
    </message>
</context>
<context>
    <name>pipwright::TableWindow</name>
    <message>
        <source>Wait for your turn.</source>
        <translation>Espera tu turno.</translation>
    </message>
    <message>
        <source>Select a domino first.</source>
        <translation>Elige antes una ficha.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Esa ficha no está en tu mano.</translation>
    </message>
    <message>
        <source>That domino does not match that end.</source>
        <translation>Esa ficha no encaja en ese extremo.</translation>
    </message>
    <message>
        <source>A domino fits: lay it.</source>
        <translation>Una ficha encaja: juégala.</translation>
    </message>
    <message>
        <source>This game does not draw: pass.</source>
        <translation>En este juego no se roba: pase.</translation>
    </message>
    <message>
        <source>The BoneYard is empty: pass.</source>
        <translation>El pozo está vacío: pase.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard first.</source>
        <translation>Roba antes del pozo.</translation>
    </message>
    <message>
        <source>The hand is still being played.</source>
        <translation>La mano aún se está jugando.</translation>
    </message>
    <message>
        <source>Not now.</source>
        <translation>Ahora no.</translation>
    </message>
    <message>
        <source>%1 – Pipwright</source>
        <translation>%1 – Pipwright</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Mesa</translation>
    </message>
    <message>
        <source>&amp;New Table...</source>
        <translation>&amp;Nueva mesa...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Restart the Game</source>
        <translation>&amp;Reiniciar la partida</translation>
    </message>
    <message>
        <source>Score S&amp;heet</source>
        <translation>&amp;Hoja de puntos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Previous Domino</source>
        <translation>Ficha anterior</translation>
    </message>
    <message>
        <source>Next Domino</source>
        <translation>Ficha siguiente</translation>
    </message>
    <message>
        <source>&amp;Select Domino</source>
        <translation>&amp;Elegir ficha</translation>
    </message>
    <message>
        <source>Lay on the &amp;Left End</source>
        <translation>Jugar en el extremo &amp;izquierdo</translation>
    </message>
    <message>
        <source>Lay on the &amp;Right End</source>
        <translation>Jugar en el extremo &amp;derecho</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Robar</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pasar</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Pis&amp;ta</translation>
    </message>
    <message>
        <source>&amp;Next Hand</source>
        <translation>&amp;Siguiente mano</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Faster Computers</source>
        <translation>Máquinas más &amp;rápidas</translation>
    </message>
    <message>
        <source>&amp;Normal Pace</source>
        <translation>Ritmo &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Slower Computers</source>
        <translation>Máquinas más &amp;lentas</translation>
    </message>
    <message>
        <source>&amp;Movement</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Tu mano</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>, to play</source>
        <translation>, le toca</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Te toca.</translation>
    </message>
    <message>
        <source>%1 is thinking...</source>
        <translation>%1 está pensando...</translation>
    </message>
    <message>
        <source>It fits both ends: choose one.</source>
        <translation>Encaja en los dos extremos: elige uno.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Puntos en mano: %1</translation>
    </message>
    <message>
        <source>The hand is over</source>
        <translation>Fin de la mano</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Hand %1 dealt.</source>
        <translation>Mano %1 repartida.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Siguiente mano</translation>
    </message>
    <message>
        <source>This hand must be led with %1.</source>
        <translation>En esta mano hay que salir con %1.</translation>
    </message>
    <message>
        <source>Tables (*.table);;All Files (*)</source>
        <translation>Mesas (*.table);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Guardar la mesa</translation>
    </message>
    <message>
        <source>The table was not saved to
%1

%2</source>
        <translation>La mesa no se guardó en
%1

%2</translation>
    </message>
    <message>
        <source>Open a Table</source>
        <translation>Abrir una mesa</translation>
    </message>
    <message>
        <source>No games are in your history yet.</source>
        <translation>Tu historial aún no tiene partidas.</translation>
    </message>
    <message>
        <source>Game Histor&amp;y</source>
        <translation>His&amp;torial de partidas</translation>
    </message>
</context>
<context>
    <name>pipwright::frmDominos</name>
    <message>
        <source>Width=%1   Height=%2</source>
        <translation>Ancho=%1   Alto=%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>The game was not saved to
%1

%2</source>
        <translation>La partida no se guardó en
%1

%2</translation>
    </message>
    <message>
        <source>The file
%1
could not be opened.

%2</source>
        <translation>El archivo
%1
no se pudo abrir.

%2</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is; today&apos;s games are still added to its end.</source>
        <translation>El archivo de historial %1 está dañado en la línea %2 y se conserva tal como está; las partidas de hoy se siguen añadiendo al final.</translation>
    </message>
    <message>
        <source>Your dominoes</source>
        <translation>Tus fichas</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Fichas de la máquina</translation>
    </message>
    <message>
        <source>Left and Right move the highlight, 1 to 9 jump to a domino, Enter selects it, Escape clears the highlight, C presses Can&apos;t Play</source>
        <translation>Las flechas izquierda y derecha mueven el resalte, de 1 a 9 saltan a una ficha, Enter la elige, Escape quita el resalte, C pulsa Paso</translation>
    </message>
    <message>
        <source>L lays the selected domino on the left end, R on the right end</source>
        <translation>L coloca la ficha elegida en el extremo izquierdo, R en el derecho</translation>
    </message>
    <message>
        <source>B draws a domino</source>
        <translation>B roba una ficha</translation>
    </message>
    <message>
        <source>Save the Present Game</source>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <source>Open the Previous Game</source>
        <translation>Abrir la partida anterior</translation>
    </message>
    <message>
        <source>All Files (*.txt*) (*.txt)</source>
        <translation>Todos los archivos (*.txt*) (*.txt)</translation>
    </message>
    <message>
        <source>To Restart the Timer</source>
        <translation>Reactivar el temporizador</translation>
    </message>
    <message>
        <source>%1
Your previous game had the Play Timer set to
%2 Seconds.  To Restart the Timer, select Playing
Conditions from the Menu and place a check mark in the
proper Box.</source>
        <translation>%1
Tu partida anterior tenía el temporizador de juego
en %2 s. Para reactivarlo, elige Condiciones de
juego en el menú y marca la casilla
correspondiente.</translation>
    </message>
    <message>
        <source>Restart the Entire Game</source>
        <translation>Reiniciar toda la partida</translation>
    </message>
    <message>
        <source>Abandon this game at %1 to %2 and start a new one?</source>
        <translation>¿Abandonar esta partida, %1 a %2, y empezar otra?</translation>
    </message>
    <message>
        <source>Restart the Existing Round</source>
        <translation>Reiniciar la mano actual</translation>
    </message>
    <message>
        <source>Abandon the dominoes laid in this round and deal it again?</source>
        <translation>¿Abandonar las fichas jugadas en esta mano y repartirla de nuevo?</translation>
    </message>
    <message>
        <source>No hint for a draw: any domino in the BoneYard will do</source>
        <translation>Sin consejo para robar: cualquier ficha del pozo vale</translation>
    </message>
    <message>
        <source>No hint now: it is not your turn</source>
        <translation>Ahora no hay consejo: no es tu turno</translation>
    </message>
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
</context>
</TS>
