# Input that ends in the middle of the data entry ends the program, with
# its line break and status 0; no file is made.
--- option now=1700000000
--- stdin noeol
5
t
x
y
4
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il titolo del grafico: 
Inserisci il titolo dell'asse x:
Inserisci il titolo dell'asse y:
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
--- absent grafico_OiSmbIR6g6a0.png
--- exit 0
