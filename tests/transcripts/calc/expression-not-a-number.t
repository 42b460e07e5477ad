# A non-number at the mode question or as the left operand is refused and
# asked for again.
--- stdin
e
due
1
a+b
1+1
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: 
Errore riprova
Path: Inserisci l'espressione': 
Errore riprova
Inserisci l'espressione': Risultato: 2


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
