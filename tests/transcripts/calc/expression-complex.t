# 'e' mode 2 (or more): * and / bind tighter than + and -.
--- stdin
e
2
2+3*4
e
7
(1+2)*(3+4)
e
2
8/2/2
e
2
100/3
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 14


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 21


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 2


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 33.3333


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
