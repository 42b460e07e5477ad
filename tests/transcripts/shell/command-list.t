# '#' lists the 29 commands in order, then one empty line.
--- stdin
#
--- stdout


Cosa vuoi fare?

Path: 

Comandi:

riavvia = l
esci = x
pulisci ui = k
cronologia = @
aiuto = h
impostazioni = i
addizione = a
sottrazione = s
moltiplicazione = m
divisione = d
seno = z
coseno = u
potenza = p
media = q
espressione = e
tangente = t
radice = r
conversione tra basi = c
generazione di codici = g
calcolo massa grassa e magra = w
simulazione codice fiscale = f
generatore password = v
calcolo convalente legami = 4
sistema lineare equazioni = 3
Equazioni 2 grado = 2
Equazioni (ax+by=c) = 1
cripta e encripta un file = n
calcolo massa molecole = o
Creazione grafici = 5



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
