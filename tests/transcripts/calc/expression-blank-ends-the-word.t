# 'e' mode 2 reads one word: "2 + 3" evaluates 2, one blank is discarded and
# "+ 3" reaches the prompt, where it is refused.
--- stdin
e
2
2 + 3
--- stdout


Cosa vuoi fare?

Path: 
Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: Inserisci l'espressione: Risultato: 2


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
e
+ 3
--- exit 0
