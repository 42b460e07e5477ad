# 'e' mode 2: division by zero prints the IEEE value.
--- stdin
e
2
1/0
e
2
0-1/0
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: inf


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: -inf


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
