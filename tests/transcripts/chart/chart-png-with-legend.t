# Three values with their labels, a legend and a PNG: every question in
# turn, then "Grafico salvato". Only the '5' reaches the history. The file
# itself is looked at by the unit tests.
--- option now=1700000000
--- stdin
5
Vendite 2026
Mese
Euro
120
Gennaio
340.5
Febbraio
80
Marzo
-1
y
.png
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il titolo del grafico: 
Inserisci il titolo dell'asse x:
Inserisci il titolo dell'asse y:
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserisci l'etichetta del dato :
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserisci l'etichetta del dato :
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserisci l'etichetta del dato :
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserire la leggenda (y o no):
Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :
Grafico salvato


Cosa vuoi fare?

Path: 
--- expect function_history.txt
5
--- absent grafico_OiSmbIR6g6a0.jpg
--- exit 0
