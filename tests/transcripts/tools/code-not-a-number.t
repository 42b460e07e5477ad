# A length that is not a number is asked again.
--- stdin
g
dodici
3
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Errore riprova
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: OiS


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
