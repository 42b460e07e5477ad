# 'c' with a first choice of 0 shows the menu once and hands back.
--- stdin
c
0
--- stdout


Cosa vuoi fare?

Path: 
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
