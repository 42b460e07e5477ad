--- token FORMAT noeol
Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :
=== A chart from start to end: a value that is not a number, or has more after it on its line, is asked again; -0.5 is a value, -7 ends the data; a file that has the second's name keeps its bytes, and the last line names the file the chart went to.
--- given grafico_OiSmbIR6g6a0.png
non toccare
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {Vendite 2026}

Inserisci il titolo dell'asse x:{Mese}

Inserisci il titolo dell'asse y:{Euro}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{abc 5}

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{7 }

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-0.5}

Inserisci l'etichetta del dato :{meno mezzo}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-7}

Inserire la leggenda (y o no):{y}

<FORMAT>{.png}

Grafico salvato in grafico_m1592JMCD8eB.png
<PROMPT>
--- expect grafico_OiSmbIR6g6a0.png
non toccare
=== Refusals: -1 as the first value leaves nothing to draw and discards nothing; ".PNG" is no extension of the list; a chart that cannot be written (the working directory is gone) says so.
--- option workdir=removed
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Errore: devi inserire almeno un dato
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{3}

Inserisci l'etichetta del dato :{tre}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

<FORMAT>{.PNG}

Errore
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{3}

Inserisci l'etichetta del dato :{tre}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

<FORMAT>{.jpg}

Errore: impossibile salvare il grafico.
<PROMPT>
