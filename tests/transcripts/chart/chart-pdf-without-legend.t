# "no" draws no legend; a PDF is written all the same.
--- option now=1765000000
--- stdin
5
Pressione
Giorno
mmHg
118.5
lun
-1
no
.pdf
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il titolo del grafico: 
Inserisci il titolo dell'asse x:
Inserisci il titolo dell'asse y:
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
--- exit 0
