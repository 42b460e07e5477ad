=== The start-up screen: the saved theme is run three times with two clears between, then the banner and the first prompt. End of input at "Path: " writes a line break and ends with status 0.
--- given color_data.txt noeol
color 9e
--- dialogue whole
Tavrik Terminal
(c) 2026 Tavrik Terminal. Tutti i diritti riservati.

Premi '#' per la lista di comandi

Premi 'h' per aiuto


Attenzione:1) se inserisci male i comandi il sistema potrebbe non funzionare correttamente.
           2) bisogna inserire esclusivamente il dato (numero,lettera ecc..) richieto dal comando,
              altrimenti potrebbero verificarsi errori anomali o l'avvio di funzioni indesiderate (come il doppio avvio di una funzione).
In questi casi sarai costretto a riavviare il programma o chiuderlo e riaprirlo se non e' possibile riavviarlo.
<PROMPT>
--- platform whole
title Tavrik Terminal
color 9e
cls
color 9e
cls
color 9e
=== 'x' says goodbye, waits for a key and ends with status 0; nothing after it is read.
--- dialogue
<PROMPT>{x}

Ok,sto uscendo...

--- unread
h
--- platform
pause
--- expect function_history.txt
x
=== 'h' writes the help text with no line break before it.
--- dialogue
<PROMPT>{h}

Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
=== Every line that is not one command character is refused, and every one is recorded in the history file, empty and refused lines included.
--- dialogue
<PROMPT>{}


Funzione non valida.Riprova

<PROMPT>{X}


Funzione non valida.Riprova

<PROMPT>{ x}


Funzione non valida.Riprova

<PROMPT>{x }


Funzione non valida.Riprova

<PROMPT>{helpsite }


Funzione non valida.Riprova

<PROMPT>{Helpsite}


Funzione non valida.Riprova

<PROMPT>{ab}


Funzione non valida.Riprova

<PROMPT>{ }


Funzione non valida.Riprova

<PROMPT>{<TAB>}


Funzione non valida.Riprova

<PROMPT>{Q}


Funzione non valida.Riprova

<PROMPT>{h#}


Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt

X
 x
x 
helpsite 
Helpsite
ab
 
	
Q
h#
=== 'l' writes the restart line, launches a new instance and ends at once: no pause.
--- dialogue
<PROMPT>{l}

Riavviando...
--- unread
h
--- platform
start Tavrik-Terminal.exe
=== The saved theme is run three times, as stored, with two clears between.
--- given color_data.txt noeol
color 5b
--- dialogue
<PROMPT>
--- platform whole
title Tavrik Terminal
color 5b
cls
color 5b
cls
color 5b
=== 'k' clears twice and writes the banner again; the saved theme is not run again.
--- given color_data.txt noeol
color 9e
--- dialogue
<PROMPT>{k}

Tavrik Terminal
(c) 2026 Tavrik Terminal. Tutti i diritti riservati.

Premi '#' per la lista di comandi

Premi 'h' per aiuto


Attenzione:1) se inserisci male i comandi il sistema potrebbe non funzionare correttamente.
           2) bisogna inserire esclusivamente il dato (numero,lettera ecc..) richieto dal comando,
              altrimenti potrebbero verificarsi errori anomali o l'avvio di funzioni indesiderate (come il doppio avvio di una funzione).
In questi casi sarai costretto a riavviare il programma o chiuderlo e riaprirlo se non e' possibile riavviarlo.
<PROMPT>
--- platform
cls
cls
=== '#' lists the 29 commands in order, then one empty line.
--- dialogue
<PROMPT>{#}


Comandi:

riavvia = l
esci = x
pulisci ui = k
cronologia = @
aiuto = h
impostazioni = i
addizione = a
sottrazione = s
moltiplicazione = m
divisione = d
seno = z
coseno = u
potenza = p
media = q
espressione = e
tangente = t
radice = r
conversione tra basi = c
generazione di codici = g
calcolo massa grassa e magra = w
simulazione codice fiscale = f
generatore password = v
calcolo convalente legami = 4
sistema lineare equazioni = 3
Equazioni 2 grado = 2
Equazioni (ax+by=c) = 1
cripta e encripta un file = n
calcolo massa molecole = o
Creazione grafici = 5

<PROMPT>
=== End of input inside a command's own question ends the program with a line break and status 0.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: 
=== A last command line without a line end is still read; then the end of input ends the program with a line break and status 0.
--- dialogue
<PROMPT>{h<EOF>}
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
--- expect function_history.txt
h
=== Upper-case X and x with blanks do not end the program.
--- dialogue
<PROMPT>{X}


Funzione non valida.Riprova

<PROMPT>{ x}


Funzione non valida.Riprova

<PROMPT>{x }


Funzione non valida.Riprova

<PROMPT>
