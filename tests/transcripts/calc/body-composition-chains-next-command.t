# All four answers on one line followed by " q": the blank after the height
# is discarded and "q" starts the mean.
--- stdin
w
M 30 70 175 q
0
--- stdout


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 12.69 Kg
Massa magra: 57.31 Kg


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Errore: inserire almeno un valore.


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
w
q
--- exit 0
