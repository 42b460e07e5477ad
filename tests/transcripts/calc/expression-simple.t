# 'e' mode 1 (or 0 or below): one int operation; blanks around the operator
# do not matter and the quotient is truncated.
--- stdin
e
1
7/2
e
0
-7/2
e
-1
3--4
e
1
3 + 4
e
1
6
*
7
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: 3


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: -3


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: 7


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: 7


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: 42


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
