=== Three values with their labels, a legend and a PNG: every question in turn, then "Grafico salvato". Only the '5' reaches the history. The file itself is looked at by the unit tests.
--- option now=1700000000
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {Vendite 2026}

Inserisci il titolo dell'asse x:{Mese}

Inserisci il titolo dell'asse y:{Euro}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{120}

Inserisci l'etichetta del dato :{Gennaio}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{340.5}

Inserisci l'etichetta del dato :{Febbraio}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{80}

Inserisci l'etichetta del dato :{Marzo}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.png}

Grafico salvato
<PROMPT>
--- expect function_history.txt
5
--- absent grafico_OiSmbIR6g6a0.jpg
=== Any value of -1 or less ends the data: -7 does; -0.5 and 0 are values.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-0.5}

Inserisci l'etichetta del dato :{meno mezzo}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{0}

Inserisci l'etichetta del dato :{zero}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-7}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.png}

Grafico salvato
<PROMPT>
=== A file that already has the second's name keeps its bytes: the chart takes the name of the next seed instead.
--- option now=1700000000
--- given grafico_OiSmbIR6g6a0.png
non toccare
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{1}

Inserisci l'etichetta del dato :{uno}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.png}

Grafico salvato
<PROMPT>
--- expect grafico_OiSmbIR6g6a0.png
non toccare
=== The extension is one word: after it one character (the blank) is discarded and the rest of the line, "h", is the next command line.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{1}

Inserisci l'etichetta del dato :{uno}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.png h}

Grafico salvato
<PROMPT>
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
--- expect function_history.txt
5
h
=== Input that ends in the middle of the data entry ends the program, with its line break and status 0; no file is made.
--- option now=1700000000
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{4<EOF>}
--- absent grafico_OiSmbIR6g6a0.png
=== Only a lower-case "y" asks for the legend; "Y" is a no, and the chart is a JPEG.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{2}

Inserisci l'etichetta del dato :{a}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{Y}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.jpg}

Grafico salvato
<PROMPT>
=== -1 as the first value: no chart. Nothing is discarded, so the next line is the next command line ("h", the help).
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Errore: devi inserire almeno un dato
<PROMPT>{h}

Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
--- expect function_history.txt
5
h
=== "no" draws no legend; a PDF is written all the same.
--- option now=1765000000
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {Pressione}

Inserisci il titolo dell'asse x:{Giorno}

Inserisci il titolo dell'asse y:{mmHg}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{118.5}

Inserisci l'etichetta del dato :{lun}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.pdf}

Grafico salvato
<PROMPT>
=== Empty titles and labels are accepted and drawn as empty text; the chart is a presentation.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {}

Inserisci il titolo dell'asse x:{}

Inserisci il titolo dell'asse y:{}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{0}

Inserisci l'etichetta del dato :{<CR>}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.pptx}

Grafico salvato
<PROMPT>
=== A number with anything after it on its line (a blank, letters, another number) is dropped with "Errore riprova", so nothing is stored and -1 finds no data.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{7 }

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{7x}

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{7 8}

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Errore: devi inserire almeno un dato
<PROMPT>
=== A value that is not a number, or is out of range, gives "Errore riprova" and the same question again; the rest of its line is dropped.
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{abc 5}

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{1e999}

Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{12}

Inserisci l'etichetta del dato :{dodici}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.png}

Grafico salvato
<PROMPT>
=== When the file cannot be written (here the working directory is gone), the failure message replaces "Grafico salvato".
--- option workdir=removed
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{1}

Inserisci l'etichetta del dato :{uno}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.pdf}

Errore: impossibile salvare il grafico.
<PROMPT>
=== ".PNG" and "png" are not extensions of the list: "Errore", no file, one character discarded, and the prompt loop waits for a new command line.
--- option now=1700000000
--- dialogue
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{3}

Inserisci l'etichetta del dato :{tre}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{y}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{.PNG}

Errore
<PROMPT>{5}

Inserisci il titolo del grafico: {t}

Inserisci il titolo dell'asse x:{x}

Inserisci il titolo dell'asse y:{y}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{3}

Inserisci l'etichetta del dato :{tre}

Inerisci il dato numerico (o '-1' per finire l'inserimento) :{-1}

Inserire la leggenda (y o no):{no}

Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :{png}

Errore
<PROMPT>
--- expect function_history.txt
5
5
--- absent grafico_OiSmbIR6g6a0.png
--- absent grafico_OiSmbIR6g6a0.PNG
--- absent grafico_OiSmbIR6g6apng
