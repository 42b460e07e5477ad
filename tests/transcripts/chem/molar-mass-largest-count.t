# 'o' with the largest count that fits: it becomes a float before the product,
# and the result prints in exponent notation.
--- stdin
o
H2147483647
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di H2147483647 e' 2.16445e+09


Cosa vuoi fare?

Path: 
--- exit 0
