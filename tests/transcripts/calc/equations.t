=== '1' prints the solution whose y is one half.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x+3y=5}
x = 1.75 y = 0.5
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x - 3y = 5}
x = 3.25 y = 0.5
<PROMPT>
=== '2' prints both roots; a zero discriminant prints the same root twice.
--- dialogue
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1}
Path: {-3}
Path: {2}
Le soluzioni dell'equazione sono x1 = 2 e x2 = 1
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1}
Path: {2}
Path: {1}
Le soluzioni dell'equazione sono x1 = -1 e x2 = -1
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1 0 -2}
Path: Path: Le soluzioni dell'equazione sono x1 = 1.41421 e x2 = -1.41421
<PROMPT>
=== '3' solves two equations typed on two lines or on one line.
--- dialogue
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{2x+3y=5}
{1x-1y=0}

x = 1
y = 1
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{2x+3y=5 1x-1y=0}

x = 1
y = 1
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{1x+2y=5}
{3x+4y=6}

x = -4
y = 4.5
<PROMPT>
=== '1' with one coefficient zero: that variable is free and takes one half.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x+2y=4}
x = 0.5 y = 2
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x+0y=5}
x = 2.5 y = 0.5
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x-2y=4}
x = 0.5 y = -2
<PROMPT>
=== '1': a line that is not "ax+by=c" with integers, or has text after it, gets one message.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {x+y=2}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x+3y=5 e basta}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>
=== '1': both coefficients zero are judged before the operator; an operator other than + and - gets a message.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x+0y=0}
L'equazione è indeterminata.
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x+0y=4}
L'equazione non ha soluzioni.
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x*0y=0}
L'equazione è indeterminata.
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x*3y=5}
Errore: operatore non valido
<PROMPT>
=== '1' reads a whole line, so nothing after it is discarded and the next line is the next command.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x+3y=5}
x = 1.75 y = 0.5
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {0}
Risultato: 0<PROMPT>
--- expect function_history.txt
1
a
=== '2': a negative discriminant has no real roots; a = 0 is refused after all three coefficients are read.
--- dialogue
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1}
Path: {0}
Path: {1}
L'equazione non ammette soluzioni reali.
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {0}
Path: {2}
Path: {4}
Errore: il coefficiente a deve essere diverso da zero.
<PROMPT>
=== '2': a non-number coefficient is asked for again after "Path: ".
--- dialogue
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1}
Path: {b}

Errore riprova
Path: {-3}
Path: {2}
Le soluzioni dell'equazione sono x1 = 2 e x2 = 1
<PROMPT>
=== '3' reads words: "2x + 3y = 5" gives the equations "2x" and "+", which do not scan; after one discarded blank "3y = 5" reaches the prompt and is refused.
--- dialogue
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{2x + 3y = 5}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>

Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt
3
3y = 5
=== '3': a zero determinant, an unknown operator and an equation that does not scan each get their message.
--- dialogue
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{1x+1y=2}
{2x+2y=4}
Errore: il determinante del sistema lineare è uguale a zero.

<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{2x*3y=5}
{1x+1y=2}
Errore: operatore non valido
<PROMPT>{3}

Inserisci le due equazioni separate da un invio:
{x+y=2}
{1x+1y=1}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>
