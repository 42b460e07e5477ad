# A non-number at the mode question asks again after "Path: ".
--- stdin
d
9
3
normale
1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: 
Errore riprova
Path: Risultato: 3

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
