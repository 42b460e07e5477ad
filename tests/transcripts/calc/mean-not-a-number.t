# 'q': non-numbers at the count and at a value are refused and asked again.
--- stdin
q
due
2
1
x
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: 
Errore riprova
Inserisci quanti valori vuoi utilizzare: Valore: Valore: 
Errore riprova
Valore: Risultato: 1.5

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
