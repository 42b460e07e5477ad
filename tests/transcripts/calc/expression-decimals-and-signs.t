# 'e' mode 2: decimal numbers and unary signs.
--- stdin
e
2
-(2+3)/.5
e
2
1.5+1
e
2
2*-3
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: -10


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 2.5


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: -6


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
