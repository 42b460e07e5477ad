# 'w': fat mass is the percentage of the weight; every letter but M and m
# selects the female formula.
--- stdin
w
M
30
70
175
w
F
30
60
165
w
x 30 60 165
--- stdout


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 12.69 Kg
Massa magra: 57.31 Kg


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 16.7678 Kg
Massa magra: 43.2322 Kg


Cosa vuoi fare?

Path: 
Inserire il sesso (M/F): Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 16.7678 Kg
Massa magra: 43.2322 Kg


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
