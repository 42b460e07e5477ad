# 'e' mode 2: malformed expressions get a message instead of a result.
--- stdin
e
2
2(3)
e
2
2+
e
2
((2)
e
2
2^3
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Errore: espressione non valida.


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Errore: espressione non valida.


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Errore: espressione non valida.


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Errore: espressione non valida.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
