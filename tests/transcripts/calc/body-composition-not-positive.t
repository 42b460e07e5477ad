# 'w': a weight or height not above zero gets a message.
--- stdin
w
m
40
0
180
w
f
30
60
-165
--- stdout


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Errore: peso e altezza devono essere positivi.


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Errore: peso e altezza devono essere positivi.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
