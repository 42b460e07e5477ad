# A non-number at the count or at a value is refused with "Errore riprova"
# and the same question is asked again; the rest of that line is dropped.
--- stdin
a
x
2
abc 7
5
6
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: 
Errore riprova
Inserisci quanti valori vuoi utilizzare: Valore: 
Errore riprova
Valore: Valore: Risultato: 11

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
