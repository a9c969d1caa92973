<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A game of dominoes for one player against the computer. Lay the double-six set end to end, score every multiple of five on the open ends, and be the first to reach 200 points.</source>
        <translation>Um jogo de dominó para um jogador contra o computador. Jogue as pedras ponta com ponta, marque cada múltiplo de cinco nas pontas e seja o primeiro a chegar a 200 pontos.</translation>
    </message>
    <message>
        <source>Three levels of play with hints, an optional play timer, saved games and a record of the games won and lost each day.</source>
        <translation>Três níveis de jogo com dicas, cronômetro opcional, partidas salvas e registro das vitórias e derrotas de cada dia.</translation>
    </message>
    <message>
        <source>Copyright © the Pipwright developers.
Released under the MIT License.</source>
        <translation>Copyright © os desenvolvedores do Pipwright.
Distribuído sob a Licença MIT.</translation>
    </message>
    <message>
        <source>The Author of Pipwright</source>
        <translation>O autor do Pipwright</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;Game Conditions</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Open a Previous Game</source>
        <translation>&amp;Abrir uma Partida Salva</translation>
    </message>
    <message>
        <source>&amp;Save the Present Game</source>
        <translation>&amp;Salvar a Partida Atual</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recomeçar</translation>
    </message>
    <message>
        <source>T&amp;he Existing Round</source>
        <translation>A &amp;Rodada Atual</translation>
    </message>
    <message>
        <source>&amp;The Entire Game</source>
        <translation>A &amp;Partida Inteira</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Histórico de Partidas</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>Sú&amp;mula</translation>
    </message>
    <message>
        <source>&amp;Playing Conditions</source>
        <translation>&amp;Condições de Jogo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About Dominos</source>
        <translation>&amp;Sobre o Dominó</translation>
    </message>
    <message>
        <source>New &amp;Table...</source>
        <translation>&amp;Nova mesa...</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Dica</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pipwright Help</source>
        <translation>Ajuda do Pipwright</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the player&apos;s name cannot name a file</source>
        <translation>o nome do jogador não serve como nome de arquivo</translation>
    </message>
    <message>
        <source>today&apos;s date is not known</source>
        <translation>a data de hoje é desconhecida</translation>
    </message>
    <message>
        <source>the history folder cannot be created</source>
        <translation>a pasta do histórico não pode ser criada</translation>
    </message>
    <message>
        <source>another copy of the game holds the history</source>
        <translation>outra cópia do jogo está usando o histórico</translation>
    </message>
    <message>
        <source>line %1 is not a date and two counts</source>
        <translation>a linha %1 não tem uma data e duas contagens</translation>
    </message>
    <message>
        <source>%1,  Your game history is:</source>
        <translation>%1, este é o seu histórico de partidas:</translation>
    </message>
    <message>
        <source>Date of Play       Games Won        Games Lost</source>
        <translation>Data de Jogo       Vitórias         Derrotas</translation>
    </message>
    <message>
        <source>%1&apos;s Game History..</source>
        <translation>Histórico de Partidas de %1..</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation>O histórico de partidas %1 está danificado na linha %2 e foi mantido como está.</translation>
    </message>
    <message>
        <source>Today&apos;s games were added to the end of %1, but the history could not be merged into one line per day.</source>
        <translation>As partidas de hoje foram acrescentadas ao fim de %1, mas o histórico não pôde ser consolidado em uma linha por dia.</translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded in %1.</source>
        <translation>As partidas de hoje não puderam ser registradas em %1.</translation>
    </message>
    <message>
        <source>The game history %1 could not be merged into one line per day.</source>
        <translation>O histórico de partidas %1 não pôde ser consolidado em uma linha por dia.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games were added to its end.</source>
        <translation>O histórico de partidas %1 está danificado na linha %2 e foi mantido como está. As partidas de hoje foram acrescentadas ao fim dele.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games could not be recorded.</source>
        <translation>O histórico de partidas %1 está danificado na linha %2 e foi mantido como está. As partidas de hoje não puderam ser registradas.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Classic game</source>
        <translation>Jogo clássico</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
</context>
<context>
    <name>MainWindowPort</name>
    <message>
        <source>Player&apos;s Selection %1</source>
        <translation>Escolha do Jogador %1</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection %1</source>
        <translation>Escolha do Computador %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Computer will Select 7 Dominos from the BoneYard</source>
        <translation>O Computador vai comprar 7 pedras do Monte</translation>
    </message>
    <message>
        <source>The Computer will Draw %1 more Dominos from the BoneYard</source>
        <translation>O Computador vai comprar mais %1 pedras do Monte</translation>
    </message>
    <message>
        <source>The Computer will Draw 1 more Domino from the BoneYard</source>
        <translation>O Computador vai comprar mais 1 pedra do Monte</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos in the BoneYard..</source>
        <translation>%1, clique em 7 pedras do Monte..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Dominos..</source>
        <translation>%1, clique em uma das suas pedras..</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking..</source>
        <translation>%1, o Computador está pensando..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Domios</source>
        <translation>%1, clique em uma das suas pedras</translation>
    </message>
    <message>
        <source>%1, It&apos;s Your Turn, The Computer Can&apos;t Play..</source>
        <translation>%1, é a sua vez, o Computador passou..</translation>
    </message>
    <message>
        <source>The Computer Exceeded 18 Dominos..</source>
        <translation>O Computador passou de 18 pedras..</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The Computer has exceeded the mazimum of 18<byte value="xd"/>Dominos and does not have one equal to either<byte value="xd"/>of the two target Dominos on the Screen.  It is now<byte value="xd"/>your turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>O Computador ultrapassou o máximo de 18<byte value="xd"/>pedras e não tem nenhuma que encaixe<byte value="xd"/>em alguma das duas pontas da Mesa.<byte value="xd"/>Agora é a sua vez de jogar...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1, Hint: Draw a Domino from the BoneYard..</source>
        <translation>%1, dica: compre uma pedra do Monte..</translation>
    </message>
    <message>
        <source>%1, Hint: No Domino fits, press Can&apos;t Play..</source>
        <translation>%1, dica: nenhuma pedra encaixa, aperte Passo..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Left End..</source>
        <translation>%1, dica: jogue a pedra escolhida na ponta esquerda..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Right End..</source>
        <translation>%1, dica: jogue a pedra escolhida na ponta direita..</translation>
    </message>
    <message>
        <source>%1&apos;s Dominos</source>
        <translation>Pedras de %1</translation>
    </message>
    <message>
        <source>%1, Click on any Domino in the BoneYard to see who Plays First..</source>
        <translation>%1, clique em qualquer pedra do Monte para ver quem sai..</translation>
    </message>
    <message>
        <source>%1&apos; Score=%2</source>
        <translation>Pontos de %1=%2</translation>
    </message>
    <message>
        <source>%1&apos;s Score=%2</source>
        <translation>Pontos de %1=%2</translation>
    </message>
    <message>
        <source>Computer&apos;s Score=%1</source>
        <translation>Pontos do Computador=%1</translation>
    </message>
    <message>
        <source>%1,  Click the Left Mouse on one of your Dominos...</source>
        <translation>%1, clique em uma das suas pedras...</translation>
    </message>
    <message>
        <source>%1, Click on the corresponding Domino in the Play Field..</source>
        <translation>%1, clique na pedra correspondente na Mesa..</translation>
    </message>
    <message>
        <source>%1, Wrong Selection....</source>
        <translation>%1, escolha errada....</translation>
    </message>
    <message>
        <source>You are only allowed 18 Dominos</source>
        <translation>Você só pode ter 18 pedras</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>You have exceeded the maximum of 18<byte value="xd"/>Dominos.  It is now the Computer&apos;s<byte value="xd"/>turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Você ultrapassou o máximo de 18<byte value="xd"/>pedras. Agora é a vez<byte value="xd"/>do Computador jogar...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1&apos;s Score is %2</source>
        <translation>Pontos de %1: %2</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking....</source>
        <translation>%1, o Computador está pensando....</translation>
    </message>
    <message>
        <source>Computer&apos;s Score is %1</source>
        <translation>Pontos do Computador: %1</translation>
    </message>
    <message>
        <source>The Computer has the Highest Domino, and will Start the Game..</source>
        <translation>O Computador tirou a pedra mais alta e começa o jogo..</translation>
    </message>
    <message>
        <source>%1 has the Highest Domino, and will Start the Game..</source>
        <translation>%1 tirou a pedra mais alta e começa o jogo..</translation>
    </message>
    <message>
        <source>%1, You Tied with the Computer, Reselect another Domino</source>
        <translation>%1, você empatou com o Computador, escolha outra pedra</translation>
    </message>
    <message>
        <source>%1, Click on any Domino you wish to be played as the Set Domino..</source>
        <translation>%1, clique na pedra que quer jogar como Pedra de Saída..</translation>
    </message>
    <message>
        <source>The Computer will now select a Domino to be used as the Set Domino..</source>
        <translation>Agora o Computador vai escolher a Pedra de Saída..</translation>
    </message>
    <message>
        <source>The Computer&apos;s Turn to Play....</source>
        <translation>É a vez do Computador jogar....</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Dominos in the BoneYard..</source>
        <translation>%1, clique em mais %2 pedras do Monte..</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Domino in the BoneYard..</source>
        <translation>%1, clique em mais %2 pedra do Monte..</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos from the BoneYard..</source>
        <translation>%1, clique em 7 pedras do Monte..</translation>
    </message>
    <message>
        <source>%1, The Computer will Draw 7 Dominos from the BoneYard..</source>
        <translation>%1, o Computador vai comprar 7 pedras do Monte..</translation>
    </message>
    <message>
        <source>Sorry %1</source>
        <translation>Sinto muito, %1</translation>
    </message>
    <message>
        <source>%1, You waited to Long.<byte value="xd"/>Your allotted Time of %2 Seconds has expired.<byte value="xd"/>It is now the Computer&apos;s turn to Play..</source>
        <translation>%1, você demorou demais.<byte value="xd"/>Seu tempo para jogar (%2 s) acabou.<byte value="xd"/>Agora é a vez do Computador jogar..</translation>
    </message>
    <message>
        <source>Games Won=%1</source>
        <translation>Vitórias=%1</translation>
    </message>
    <message>
        <source>Games Lost=%1</source>
        <translation>Derrotas=%1</translation>
    </message>
    <message>
        <source>%1, Hint: Lead with the %2 as your Set Domino..</source>
        <translation>%1, dica: saia com o %2..</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>The line: no dominoes laid</source>
        <translation>A fileira: nenhuma pedra jogada</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, 1 domino laid</source>
        <translation>A fileira: ponta esquerda %1, ponta direita %2, 1 pedra jogada</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, %3 dominoes laid</source>
        <translation>A fileira: ponta esquerda %1, ponta direita %2, %3 pedras jogadas</translation>
    </message>
    <message>
        <source>BoneYard: 1 domino face down</source>
        <translation>Monte: 1 pedra virada para baixo</translation>
    </message>
    <message>
        <source>BoneYard: %1 dominoes face down</source>
        <translation>Monte: %1 pedras viradas para baixo</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>W I N N E R</source>
        <translation>V I T Ó R I A</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Derrota</translation>
    </message>
    <message>
        <source>Sorry, Ties Don&apos;t Count</source>
        <translation>Desculpe, empate não conta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1, You Win this Round...</source>
        <translation>%1, você ganhou a rodada...</translation>
    </message>
    <message>
        <source>%1,  You Win this Round.</source>
        <translation>%1, você ganhou a rodada.</translation>
    </message>
    <message>
        <source>The Computer&apos;s Dominos have a value of %1</source>
        <translation>As pedras do Computador somam %1 pontos</translation>
    </message>
    <message>
        <source>Your Score of %1 will be increased by %2 to %3</source>
        <translation>Seu placar de %1 sobe %2 pontos e vai para %3</translation>
    </message>
    <message>
        <source>%1, You Lost this Round...</source>
        <translation>%1, você perdeu a rodada...</translation>
    </message>
    <message>
        <source>%1,  The Computer Won this Round..</source>
        <translation>%1, o Computador ganhou a rodada..</translation>
    </message>
    <message>
        <source>Your Dominos have a value of %1</source>
        <translation>Suas pedras somam %1 pontos</translation>
    </message>
    <message>
        <source>The Computer&apos;s Score of %1 will be increased by %2 to %3</source>
        <translation>O placar de %1 do Computador sobe %2 pontos e vai para %3</translation>
    </message>
    <message>
        <source>%1,  You Win this Round...</source>
        <translation>%1, você ganhou a rodada...</translation>
    </message>
    <message>
        <source>Your %1 Dominos have a value of %2.  The Computer</source>
        <extracomment>This label and the next two read as one paragraph, broken at the ends of the window&apos;s lines.</extracomment>
        <translation>Suas %1 pedras somam %2 pontos. O Computador</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  Your score of %3</source>
        <translation>tem %1 pedras que somam %2 pontos. Seu placar de %3</translation>
    </message>
    <message>
        <source>will be increased by %1 to %2.</source>
        <translation>sobe %1 pontos e vai para %2.</translation>
    </message>
    <message>
        <source>Sorry, %1,  The Computer Won this Round...</source>
        <translation>Sinto muito, %1, o Computador ganhou a rodada...</translation>
    </message>
    <message>
        <source>%1,  You Lost this Round...</source>
        <translation>%1, você perdeu a rodada...</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  The Computer&apos;s</source>
        <translation>tem %1 pedras que somam %2 pontos. O placar do</translation>
    </message>
    <message>
        <source>Score of %1 will be increased by %2 to %3.</source>
        <translation>Computador, de %1, sobe %2 pontos e vai para %3.</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with a Score of %2</source>
        <translation>%1, empate com o Computador no placar: %2</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with %2 Pips</source>
        <translation>%1, empate com o Computador: %2 pontos na mão</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>%1 slot %2 holds %3-%4</source>
        <translation>%1, posição %2, tem %3-%4</translation>
    </message>
    <message>
        <source>%1 slot %2 is half empty</source>
        <translation>%1, posição %2, está meio vazia</translation>
    </message>
    <message>
        <source>left entry %1 has a wrong index</source>
        <translation>a entrada %1 do lado esquerdo tem o índice errado</translation>
    </message>
    <message>
        <source>right entry %1 has a wrong index</source>
        <translation>a entrada %1 do lado direito tem o índice errado</translation>
    </message>
    <message>
        <source>left entry %1 does not match</source>
        <translation>a entrada %1 do lado esquerdo não encaixa</translation>
    </message>
    <message>
        <source>right entry %1 does not match</source>
        <translation>a entrada %1 do lado direito não encaixa</translation>
    </message>
    <message>
        <source>left entry %1 holds %2-%3</source>
        <translation>a entrada %1 do lado esquerdo tem %2-%3</translation>
    </message>
    <message>
        <source>right entry %1 holds %2-%3</source>
        <translation>a entrada %1 do lado direito tem %2-%3</translation>
    </message>
    <message>
        <source>%1-%2 is in %3 places</source>
        <translation>a %1-%2 está em %3 lugares</translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation>fase %1</translation>
    </message>
    <message>
        <source>Playerdom %1</source>
        <translation>número de pedras do jogador (%1)</translation>
    </message>
    <message>
        <source>ComputerDom %1</source>
        <translation>número de pedras do computador (%1)</translation>
    </message>
    <message>
        <source>PlayerScore %1</source>
        <translation>placar do jogador (%1)</translation>
    </message>
    <message>
        <source>ComputerScore %1</source>
        <translation>placar do computador (%1)</translation>
    </message>
    <message>
        <source>BoneYard</source>
        <translation>Monte</translation>
    </message>
    <message>
        <source>the BoneYard lacks dominoes before the draw</source>
        <translation>faltam pedras no Monte antes do sorteio de quem sai</translation>
    </message>
    <message>
        <source>player</source>
        <translation>mão do jogador</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>mão do computador</translation>
    </message>
    <message>
        <source>arm counts %1 and %2</source>
        <translation>contagens dos lados: %1 e %2</translation>
    </message>
    <message>
        <source>the two arms disagree on the Set Domino</source>
        <translation>os dois lados discordam sobre a Pedra de Saída</translation>
    </message>
    <message>
        <source>%1 dominoes are missing</source>
        <translation>faltam %1 pedras</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>um texto entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>há texto depois das aspas de fechamento</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>the game would not open again: %1</source>
        <translation>a partida não abriria de novo: %1</translation>
    </message>
    <message>
        <source>the game would not open again as it was saved</source>
        <translation>a partida não abriria de novo como foi salva</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>o arquivo termina sem %1</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>%1 is not a whole number that fits</source>
        <translation>%1 não é um número inteiro dentro dos limites</translation>
    </message>
    <message>
        <source>%1 is not #TRUE# or #FALSE#</source>
        <translation>%1 não é #TRUE# nem #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a number that fits</source>
        <translation>%1 não é um número dentro dos limites</translation>
    </message>
    <message>
        <source>%1 is not a quoted text</source>
        <translation>%1 não é um texto entre aspas</translation>
    </message>
    <message>
        <source>%1 is not a value</source>
        <translation>%1 não é um valor</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 to %4</source>
        <translation>%1 é %2, e não de %3 a %4</translation>
    </message>
    <message>
        <source>a half in %1</source>
        <translation>uma metade %1</translation>
    </message>
    <message>
        <source>a slot in %1 holds 7 in one half only</source>
        <translation>uma posição %1 tem 7 em só uma das metades</translation>
    </message>
    <message>
        <source>a left arm entry</source>
        <translation>uma entrada do lado esquerdo</translation>
    </message>
    <message>
        <source>a half in the left arm</source>
        <translation>uma metade no lado esquerdo</translation>
    </message>
    <message>
        <source>a left arm rectangle</source>
        <translation>um retângulo do lado esquerdo</translation>
    </message>
    <message>
        <source>a half in the right arm</source>
        <translation>uma metade no lado direito</translation>
    </message>
    <message>
        <source>a right arm entry</source>
        <translation>uma entrada do lado direito</translation>
    </message>
    <message>
        <source>the hands are dealt before who plays first is known</source>
        <translation>as mãos foram distribuídas antes de se saber quem sai</translation>
    </message>
    <message>
        <source>the computer draws other than seven dominoes</source>
        <translation>o computador compra um número de pedras diferente de sete</translation>
    </message>
    <message>
        <source>the player&apos;s seven is marked other than the hand holds it</source>
        <translation>a marca de sete pedras do jogador não corresponde à mão dele</translation>
    </message>
    <message>
        <source>the computer&apos;s seven is marked but not in its hand</source>
        <translation>as sete pedras do computador estão marcadas, mas não estão na mão dele</translation>
    </message>
    <message>
        <source>the side that draws second holds its seven first</source>
        <translation>o lado que compra depois tem as suas sete primeiro</translation>
    </message>
    <message>
        <source>the phase code</source>
        <translation>o código da fase</translation>
    </message>
    <message>
        <source>the player&apos;s name</source>
        <translation>o nome do jogador</translation>
    </message>
    <message>
        <source>the player&apos;s name is not one the start-up window makes</source>
        <translation>o nome do jogador não é um que a janela de início aceite</translation>
    </message>
    <message>
        <source>the player&apos;s domino count</source>
        <translation>o número de pedras do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s domino count</source>
        <translation>o número de pedras do computador</translation>
    </message>
    <message>
        <source>the left arm count</source>
        <translation>o número de pedras do lado esquerdo</translation>
    </message>
    <message>
        <source>the right arm count</source>
        <translation>o número de pedras do lado direito</translation>
    </message>
    <message>
        <source>the player&apos;s played domino</source>
        <translation>a última pedra do jogador</translation>
    </message>
    <message>
        <source>the player&apos;s played domino is not two halves joined by -</source>
        <translation>a última pedra do jogador não tem a forma de duas metades unidas por -</translation>
    </message>
    <message>
        <source>the left end</source>
        <translation>a ponta esquerda</translation>
    </message>
    <message>
        <source>the right end</source>
        <translation>a ponta direita</translation>
    </message>
    <message>
        <source>the player&apos;s draw</source>
        <translation>o sorteio do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s draw</source>
        <translation>o sorteio do computador</translation>
    </message>
    <message>
        <source>the winner-starts setting</source>
        <translation>a opção de saída do vencedor</translation>
    </message>
    <message>
        <source>the player&apos;s score</source>
        <translation>o placar do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s score</source>
        <translation>o placar do computador</translation>
    </message>
    <message>
        <source>the computer&apos;s slot index</source>
        <translation>o índice de posição do computador</translation>
    </message>
    <message>
        <source>the player&apos;s Can&apos;t Play</source>
        <translation>o Passo do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s Can&apos;t Play</source>
        <translation>o Passo do computador</translation>
    </message>
    <message>
        <source>the drawing place</source>
        <translation>o lugar da compra</translation>
    </message>
    <message>
        <source>the player&apos;s seven</source>
        <translation>a marca de sete pedras do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s seven</source>
        <translation>a marca de sete pedras do computador</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino</source>
        <translation>a última pedra do computador</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino is not two halves joined by -</source>
        <translation>a última pedra do computador não tem a forma de duas metades unidas por -</translation>
    </message>
    <message>
        <source>the play timer</source>
        <translation>o cronômetro de jogada</translation>
    </message>
    <message>
        <source>the time to play</source>
        <translation>o tempo para jogar</translation>
    </message>
    <message>
        <source>the time to play is not 1 to 12 seconds</source>
        <translation>o tempo para jogar não está entre 1 e 12 segundos</translation>
    </message>
    <message>
        <source>the game history setting</source>
        <translation>a opção de histórico de partidas</translation>
    </message>
    <message>
        <source>the level of play</source>
        <translation>o nível de jogo</translation>
    </message>
    <message>
        <source>the player&apos;s hand</source>
        <translation>da mão do jogador</translation>
    </message>
    <message>
        <source>the computer&apos;s hand</source>
        <translation>da mão do computador</translation>
    </message>
    <message>
        <source>the BoneYard</source>
        <translation>do Monte</translation>
    </message>
    <message>
        <source>the dominoes are not a game that can be played: %1</source>
        <translation>as pedras não formam uma partida jogável: %1</translation>
    </message>
    <message>
        <source>a side holds its seven before who plays first is drawn</source>
        <translation>um lado tem as suas sete antes do sorteio de quem sai</translation>
    </message>
    <message>
        <source>a score is one play cannot reach</source>
        <translation>um dos placares não pode ser alcançado no jogo</translation>
    </message>
    <message>
        <source>this is a table&apos;s file: open it with Open in the table window</source>
        <translation>este é um arquivo de mesa: abra-o com Abrir na janela da mesa</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s seat, named where the player&apos;s name stands.</extracomment>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Rodada %1</translation>
    </message>
    <message>
        <source>%1 set %2: %3 + %4 = %5, +%6</source>
        <translation>%1 saiu com %2: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the left: %3 + %4 = %5, +%6</source>
        <translation>%1 jogou %2 à esquerda: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the right: %3 + %4 = %5, +%6</source>
        <translation>%1 jogou %2 à direita: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How the round ended, then what it was worth: two sentences.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Totals: %1 %2, Computer %3</source>
        <translation>Totais: %1 %2, Computador %3</translation>
    </message>
    <message>
        <source>%1 wins the game, %2 to %3.</source>
        <translation>%1 ganha a partida por %2 a %3.</translation>
    </message>
    <message>
        <source>Opened from a file: %1 %2, Computer %3</source>
        <translation>Partida aberta de um arquivo: %1 %2, Computador %3</translation>
    </message>
    <message>
        <source>Round restarted, back to %1 %2, Computer %3</source>
        <translation>Rodada recomeçada, de volta a %1 %2, Computador %3</translation>
    </message>
    <message>
        <source>Game restarted: %1 %2, Computer %3</source>
        <translation>Partida recomeçada: %1 %2, Computador %3</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 bateu.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round.</source>
        <translation>%1 chegou a 200 no meio da rodada.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round (%2).</source>
        <translation>%1 chegou a 200 no meio da rodada (%2).</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Jogo trancado.</translation>
    </message>
    <message>
        <source>Blocked, a tie.</source>
        <translation>Jogo trancado, empate.</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: no points</source>
        <translation>%1 tem %2, Computador %3: sem pontos</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, +%5 to %6</source>
        <translation>%1 tem %2, Computador %3: %4, +%5 para %6</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7</source>
        <translation>%1 tem %2, Computador %3: %4, arredonda para %5, +%6 para %7</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dominoes a side held, the last two joined: &quot;6-4, 3-3 and 2-1&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 held %2: %3</source>
        <translation>%1 tinha %2: %3</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>this is a saved game of the classic window: open it with Open a Previous Game</source>
        <translation>esta é uma partida salva da janela clássica: abra-a com Abrir uma Partida Salva</translation>
    </message>
    <message>
        <source>this is not a table file</source>
        <translation>este não é um arquivo de mesa</translation>
    </message>
    <message>
        <source>this line does not follow from the game before it</source>
        <translation>esta linha não decorre da partida até aqui</translation>
    </message>
    <message>
        <source>the file goes on after the table&apos;s state</source>
        <translation>o arquivo continua depois do estado da mesa</translation>
    </message>
    <message>
        <source>the computers&apos; decisions differ from the game</source>
        <translation>as decisões dos computadores não batem com a partida</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>esta linha não pode ser lida</translation>
    </message>
    <message>
        <source>the file ends before the table&apos;s state</source>
        <translation>o arquivo termina antes do estado da mesa</translation>
    </message>
    <message>
        <source>this line does not agree with the game as replayed</source>
        <translation>esta linha não confere com a partida rejogada</translation>
    </message>
    <message>
        <source>no table is played with these rules</source>
        <translation>nenhuma mesa se joga com estas regras</translation>
    </message>
    <message>
        <source>this seat is not the one to play</source>
        <translation>não é a vez deste lugar</translation>
    </message>
    <message>
        <source>the rules refuse this move</source>
        <translation>as regras não permitem esta jogada</translation>
    </message>
</context>
<context>
    <name>TableHistory</name>
    <message>
        <source>The game was added to the end of the damaged history %1.</source>
        <translation>A partida foi adicionada ao fim do histórico danificado %1.</translation>
    </message>
    <message>
        <source>The game could not be added to the history: %1</source>
        <translation>Não foi possível adicionar a partida ao histórico: %1</translation>
    </message>
    <message>
        <source>%1&apos;s games of %2 could not be added to the history: %3</source>
        <translation>Não foi possível adicionar ao histórico as partidas de %2 de %1: %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Parceiro</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Em frente</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>You and %1</source>
        <translation>Você e %1</translation>
    </message>
    <message>
        <source>you and %1</source>
        <translation>você e %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>1 domino</source>
        <translation>1 pedra</translation>
    </message>
    <message>
        <source>%1 dominoes</source>
        <translation>%1 pedras</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experiente</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mestre</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Dominó em duplas</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Dominó de bloqueio</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dominó de compra</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Todos cincos</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Cincos e três</translation>
    </message>
    <message>
        <source>Four at the table, partners opposite, all 28 dealt; the side that goes out takes the pips left in every hand.</source>
        <translation>Quatro à mesa, a dupla frente a frente, as 28 pedras distribuídas; a dupla que bate leva os pontos de todas as mãos.</translation>
    </message>
    <message>
        <source>Seven each, no drawing: pass when nothing fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Sete para cada um, sem comprar: passe quando nada encaixa; o vencedor leva os pontos dos outros menos os seus.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard until a domino fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Compre do monte até uma pedra encaixar; o vencedor leva os pontos dos outros menos os seus.</translation>
    </message>
    <message>
        <source>Draw when stuck; score the open ends whenever they add up to a multiple of five.</source>
        <translation>Compre quando não puder jogar; marque as pontas sempre que somarem um múltiplo de cinco.</translation>
    </message>
    <message>
        <source>Score the ends by fives and threes (15 scores 8); knock when nothing fits.</source>
        <translation>Marque as pontas por cincos e três (15 vale 8); passe quando nada encaixa.</translation>
    </message>
    <message>
        <source>%1: leads %2</source>
        <translation>%1: sai com %2</translation>
    </message>
    <message>
        <source>%1: lays %2 on the left end</source>
        <translation>%1: joga %2 na ponta esquerda</translation>
    </message>
    <message>
        <source>%1: lays %2 on the right end</source>
        <translation>%1: joga %2 na ponta direita</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, marca %1</translation>
    </message>
    <message>
        <source>%1: draws</source>
        <translation>%1: compra</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: passe</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 venceu a partida</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 bateu.</translation>
    </message>
    <message>
        <source>The game is blocked.</source>
        <translation>Jogo trancado.</translation>
    </message>
    <message>
        <source>%1 reached %2.</source>
        <translation>%1 chegou a %2.</translation>
    </message>
    <message>
        <source>The lowest hands are level: nobody scores.</source>
        <translation>As mãos mais baixas empatam: ninguém marca.</translation>
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
        <translation> e </translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 tem %2</translation>
    </message>
    <message>
        <source>%1 hold %2</source>
        <translation>%1 têm %2</translation>
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
        <translation>Linha, vazia</translation>
    </message>
    <message>
        <source>Line, open ends %1 and %2</source>
        <translation>Linha, pontas %1 e %2</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Dica: compre</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Dica: passe</translation>
    </message>
    <message>
        <source>Hint: lead %1</source>
        <translation>Dica: saia com %1</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the left end</source>
        <translation>Dica: jogue %1 na ponta esquerda</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the right end</source>
        <translation>Dica: jogue %1 na ponta direita</translation>
    </message>
    <message>
        <source>you</source>
        <translation>você</translation>
    </message>
    <message>
        <source>A blocked hand scores nothing.</source>
        <translation>Um jogo trancado não vale nada.</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mão %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Pontos na mão: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Every count that scored and every hand&apos;s award of the present game</source>
        <translation>Todas as somas que marcaram pontos e os pontos ganhos em cada mão da partida atual</translation>
    </message>
</context>
<context>
    <name>pipwright::GameConditionsDialog</name>
    <message>
        <source>%1 Seconds to Play a Domino.</source>
        <translation>Segundos por jogada: %1.</translation>
    </message>
    <message>
        <source>%1 Seconds to Play a Domino</source>
        <translation>Segundos por jogada: %1</translation>
    </message>
    <message>
        <source>Game Conditions</source>
        <translation>Condições de Jogo</translation>
    </message>
    <message>
        <source>Play Timers</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>To increase the Time You or the Computer have to play a Domino, move the Slider to the right and to decrease the time, move it to the Left.  The minimum time is 1 seconds and the maximum is 12 seconds.  To start the Timer, Check the Box to the Left.</source>
        <translation>Para aumentar o tempo que você ou o Computador têm para jogar uma pedra, mova o controle para a direita; para diminuir, mova-o para a esquerda. O mínimo é 1 segundo e o máximo, 12 segundos. Para ligar o cronômetro, marque a caixa à esquerda.</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nível de Jogo</translation>
    </message>
    <message>
        <source>Starting the Next Hand</source>
        <translation>Início da Próxima Mão</translation>
    </message>
    <message>
        <source>The Winner of the Game will place the Set Domino on the Next Game.</source>
        <translation>Quem vencer a mão coloca a Pedra de Saída na próxima mão.</translation>
    </message>
    <message>
        <source>Check this Box if You want to record Today&apos;s Wins and Losses.  The Game History of the individual Player can be viewed by a Menu selection.</source>
        <translation>Marque esta caixa se quiser registrar as vitórias e derrotas de hoje. O Histórico de Partidas de cada jogador pode ser visto pelo menu.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 and the Computer will each draw one Domino from the BoneYard and whoever has the Domino with the largest value will start the next Game.</source>
        <translation>%1 e o Computador compram uma pedra do Monte cada um, e quem tiver a pedra de maior valor sai na próxima mão.</translation>
    </message>
    <message>
        <source>An Expert Player.  The Computer will provide fierce competition to %1.</source>
        <translation>Jogador Experiente. O Computador vai dar muito trabalho a %1.</translation>
    </message>
    <message>
        <source>A Master Player.  The Computer plays to win, and never looks at %1&apos;s Dominos.</source>
        <translation>Jogador Mestre. O Computador joga para ganhar e nunca olha as pedras de %1.</translation>
    </message>
    <message>
        <source>A Novice Player.  The Computer will not present much of a challenge to %1.</source>
        <translation>Jogador Iniciante. O Computador não vai ser um grande desafio para %1.</translation>
    </message>
</context>
<context>
    <name>pipwright::GameTable</name>
    <message>
        <source>Player&apos;s Selection</source>
        <translation>Escolha do Jogador</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection</source>
        <translation>Escolha do Computador</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Pedras do Computador</translation>
    </message>
    <message>
        <source>BoneYard Dominos</source>
        <translation>Pedras do Monte</translation>
    </message>
    <message>
        <source>Can&apos;t Play</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Player&apos;s Dominos</source>
        <translation>Pedras do Jogador</translation>
    </message>
</context>
<context>
    <name>pipwright::HistoryChart</name>
    <message numerus="yes">
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation>
            <numerusform>Você ganhou %1 e perdeu %2 de %3 partida: %4% de vitórias.</numerusform>
            <numerusform>Você ganhou %1 e perdeu %2 de %3 partidas: %4% de vitórias.</numerusform>
        </translation>
    </message>
    <message>
        <source>The last %1 of %2 days played:</source>
        <translation>Os últimos %1 de %2 dias jogados:</translation>
    </message>
    <message>
        <source>%1: %2 won, %3 lost</source>
        <translation>%1: ganhou %2, perdeu %3</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>The last %1 of %2 days</source>
        <translation>Os últimos %1 de %2 dias</translation>
    </message>
</context>
<context>
    <name>pipwright::NewTableDialog</name>
    <message>
        <source>New Table</source>
        <translation>Nova mesa</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>&amp;Lugares:</translation>
    </message>
    <message>
        <source>Play as two &amp;partnerships</source>
        <translation>Jogar em duas &amp;duplas</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Meta:</translation>
    </message>
    <message>
        <source>The target must be reached &amp;exactly</source>
        <translation>É preciso chegar à meta &amp;exata</translation>
    </message>
    <message>
        <source>The pips in all hands</source>
        <translation>Os pontos de todas as mãos</translation>
    </message>
    <message>
        <source>The opponents&apos; pips only</source>
        <translation>Só os pontos dos adversários</translation>
    </message>
    <message>
        <source>&amp;Award:</source>
        <translation>&amp;Prêmio:</translation>
    </message>
    <message>
        <source>%1 plays as:</source>
        <translation>%1 joga como:</translation>
    </message>
</context>
<context>
    <name>pipwright::ScoreSheetWindow</name>
    <message>
        <source>Score Sheet</source>
        <translation>Súmula</translation>
    </message>
    <message>
        <source>Every count that scored and every round&apos;s award of the present game</source>
        <translation>Todas as somas que marcaram pontos e os pontos ganhos em cada rodada da partida atual</translation>
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
        <translation>Monte
%1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passe</translation>
    </message>
</context>
<context>
    <name>pipwright::TableWindow</name>
    <message>
        <source>Wait for your turn.</source>
        <translation>Espere a sua vez.</translation>
    </message>
    <message>
        <source>Select a domino first.</source>
        <translation>Escolha antes uma pedra.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Essa pedra não está na sua mão.</translation>
    </message>
    <message>
        <source>That domino does not match that end.</source>
        <translation>Essa pedra não encaixa nessa ponta.</translation>
    </message>
    <message>
        <source>A domino fits: lay it.</source>
        <translation>Uma pedra encaixa: jogue-a.</translation>
    </message>
    <message>
        <source>This game does not draw: pass.</source>
        <translation>Neste jogo não se compra: passe.</translation>
    </message>
    <message>
        <source>The BoneYard is empty: pass.</source>
        <translation>O monte está vazio: passe.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard first.</source>
        <translation>Compre antes do monte.</translation>
    </message>
    <message>
        <source>The hand is still being played.</source>
        <translation>A mão ainda está em jogo.</translation>
    </message>
    <message>
        <source>Not now.</source>
        <translation>Agora não.</translation>
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
        <translation>&amp;Nova mesa...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Restart the Game</source>
        <translation>&amp;Reiniciar a partida</translation>
    </message>
    <message>
        <source>Score S&amp;heet</source>
        <translation>&amp;Folha de pontos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;echar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Previous Domino</source>
        <translation>Pedra anterior</translation>
    </message>
    <message>
        <source>Next Domino</source>
        <translation>Próxima pedra</translation>
    </message>
    <message>
        <source>&amp;Select Domino</source>
        <translation>Escol&amp;her pedra</translation>
    </message>
    <message>
        <source>Lay on the &amp;Left End</source>
        <translation>Jogar na ponta &amp;esquerda</translation>
    </message>
    <message>
        <source>Lay on the &amp;Right End</source>
        <translation>Jogar na ponta &amp;direita</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Comprar</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passar</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>&amp;Next Hand</source>
        <translation>Pró&amp;xima mão</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Faster Computers</source>
        <translation>Computadores mais &amp;rápidos</translation>
    </message>
    <message>
        <source>&amp;Normal Pace</source>
        <translation>Ritmo &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Slower Computers</source>
        <translation>Computadores mais &amp;lentos</translation>
    </message>
    <message>
        <source>&amp;Movement</source>
        <translation>&amp;Movimento</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Sua mão</translation>
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
        <translation>, é a vez</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>%1 is thinking...</source>
        <translation>%1 está pensando...</translation>
    </message>
    <message>
        <source>It fits both ends: choose one.</source>
        <translation>Encaixa nas duas pontas: escolha uma.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Pontos na mão: %1</translation>
    </message>
    <message>
        <source>The hand is over</source>
        <translation>Fim da mão</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Fim da partida</translation>
    </message>
    <message>
        <source>Hand %1 dealt.</source>
        <translation>Mão %1 distribuída.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Próxima mão</translation>
    </message>
    <message>
        <source>This hand must be led with %1.</source>
        <translation>Nesta mão é preciso sair com %1.</translation>
    </message>
    <message>
        <source>Tables (*.table);;All Files (*)</source>
        <translation>Mesas (*.table);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Salvar a Mesa</translation>
    </message>
    <message>
        <source>The table was not saved to
%1

%2</source>
        <translation>A mesa não foi salva em
%1

%2</translation>
    </message>
    <message>
        <source>Open a Table</source>
        <translation>Abrir uma Mesa</translation>
    </message>
    <message>
        <source>No games are in your history yet.</source>
        <translation>Seu histórico ainda não tem partidas.</translation>
    </message>
    <message>
        <source>Game Histor&amp;y</source>
        <translation>&amp;Histórico de Partidas</translation>
    </message>
</context>
<context>
    <name>pipwright::frmDominos</name>
    <message>
        <source>Width=%1   Height=%2</source>
        <translation>Largura=%1   Altura=%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The game was not saved to
%1

%2</source>
        <translation>A partida não foi salva em
%1

%2</translation>
    </message>
    <message>
        <source>The file
%1
could not be opened.

%2</source>
        <translation>O arquivo
%1
não pôde ser aberto.

%2</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is; today&apos;s games are still added to its end.</source>
        <translation>O histórico de partidas %1 está danificado na linha %2 e foi mantido como está; as partidas de hoje continuam sendo acrescentadas ao fim dele.</translation>
    </message>
    <message>
        <source>Your dominoes</source>
        <translation>Suas pedras</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Pedras do Computador</translation>
    </message>
    <message>
        <source>Left and Right move the highlight, 1 to 9 jump to a domino, Enter selects it, Escape clears the highlight, C presses Can&apos;t Play</source>
        <translation>As setas para a esquerda e para a direita movem o destaque, 1 a 9 saltam para uma pedra, Enter a escolhe, Escape tira o destaque, C aperta Passo</translation>
    </message>
    <message>
        <source>L lays the selected domino on the left end, R on the right end</source>
        <translation>L coloca a pedra escolhida na ponta esquerda, R na ponta direita</translation>
    </message>
    <message>
        <source>B draws a domino</source>
        <translation>B compra uma pedra</translation>
    </message>
    <message>
        <source>Save the Present Game</source>
        <translation>Salvar a Partida Atual</translation>
    </message>
    <message>
        <source>Open the Previous Game</source>
        <translation>Abrir uma Partida Salva</translation>
    </message>
    <message>
        <source>All Files (*.txt*) (*.txt)</source>
        <translation>Todos os Arquivos (*.txt*) (*.txt)</translation>
    </message>
    <message>
        <source>To Restart the Timer</source>
        <translation>Para religar o cronômetro</translation>
    </message>
    <message>
        <source>%1
Your previous game had the Play Timer set to
%2 Seconds.  To Restart the Timer, select Playing
Conditions from the Menu and place a check mark in the
proper Box.</source>
        <translation>%1
Na sua partida anterior, o cronômetro de jogada
estava em %2 s. Para religá-lo, escolha Condições
de Jogo no menu e marque a caixa
correspondente.</translation>
    </message>
    <message>
        <source>Restart the Entire Game</source>
        <translation>Reiniciar o jogo inteiro</translation>
    </message>
    <message>
        <source>Abandon this game at %1 to %2 and start a new one?</source>
        <translation>Abandonar este jogo, %1 a %2, e começar outro?</translation>
    </message>
    <message>
        <source>Restart the Existing Round</source>
        <translation>Reiniciar a rodada atual</translation>
    </message>
    <message>
        <source>Abandon the dominoes laid in this round and deal it again?</source>
        <translation>Abandonar as pedras jogadas nesta rodada e distribuí-la de novo?</translation>
    </message>
    <message>
        <source>No hint for a draw: any domino in the BoneYard will do</source>
        <translation>Sem dica para comprar: qualquer pedra do monte serve</translation>
    </message>
    <message>
        <source>No hint now: it is not your turn</source>
        <translation>Sem dica agora: não é a sua vez</translation>
    </message>
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation>Qual é o seu nome?</translation>
    </message>
</context>
</TS>
