# 'g' with the clock at 1700000000 s: the dots, then the 12-character code
# that the Mersenne Twister seeded with that second gives.
--- stdin
g
12
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: OiSmbIR6g6a0


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
