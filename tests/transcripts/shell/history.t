--- token REFUSED noeol


Funzione non valida.Riprova

<PROMPT>
--- token ASK noeol

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 
=== Any line but one command character is refused and recorded as typed, after the entries of earlier runs (a last line without line end among them); any single character but 'v' clears the history (V too), a blank answer is refused; a last command line without line end still runs, then the end of input ends with a line break and status 0.
--- given function_history.txt noeol
old1
old2
--- dialogue
<PROMPT>{}
<REFUSED>{x }
<REFUSED>{helpsite }
<REFUSED>{@}
<ASK>{v}

Cronologia delle funzioni: 

old1
old2

x 
helpsite 
@
<PROMPT>{@}
<ASK>{V}

Fatto!
<PROMPT>{@}
<ASK>{ }
<REFUSED>{h<EOF>}
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
--- expect function_history.txt
@
h
=== At a terminal the view shows control characters of the history instead of obeying them.
--- option terminal=1
--- given function_history.txt
a<ESC>[2J<HEX:9b>
--- dialogue
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {v}

Cronologia delle funzioni: 

a^[[2JM-^[
@
<PROMPT>
