# 'w' reads one character: "Maschio" gives M, and "aschio" at the age is not
# a number, so the age is asked again.
--- stdin
w
Maschio
40
80
180
--- stdout


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': 
Errore riprova
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 18.1037 Kg
Massa magra: 61.8963 Kg


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
