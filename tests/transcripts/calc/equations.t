--- token S

Inserisci le due equazioni separate da un invio:
=== '1' '2' and '3' print their solutions, or why there is none.
--- dialogue
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x - 3y = 5}
x = 3.25 y = 0.5
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {0x+0y=0}
L'equazione è indeterminata.
<PROMPT>{1}

Inserisci l'equazione di primo grado in forma generica (ax+by=c): {2x+3y=5 e basta}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1 2 1}
Path: Path: Le soluzioni dell'equazione sono x1 = -1 e x2 = -1
<PROMPT>{2}

Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: {1 0 1}
Path: Path: L'equazione non ammette soluzioni reali.
<PROMPT>{3}
<S>{2x+3y=5}
{1x-1y=0}

x = 1
y = 1
<PROMPT>{3}
<S>{1x+1y=2 2x+2y=4}
Errore: il determinante del sistema lineare è uguale a zero.

<PROMPT>{3}
<S>{2x*3y=5 1x+1y=2}
Errore: operatore non valido
<PROMPT>{3}
<S>{x+y=2 1x+1y=1}
Errore: equazione non valida (forma ax+by=c).
<PROMPT>
