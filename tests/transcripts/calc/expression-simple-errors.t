# 'e' mode 1: an unknown operator and a zero divisor get messages; INT_MIN / -1
# wraps to INT_MIN; sums wrap too.
--- stdin
e
1
2^3
e
1
5/0
e
1
-2147483648/-1
e
1
2147483647+1
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Errore: operatore non valido


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Errore: divisione per zero.


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: -2147483648


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione': Risultato: -2147483648


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
