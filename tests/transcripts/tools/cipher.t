--- token MENU noeol


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 
=== 'n' then '1' enciphers, '2' deciphers with the same key back to every byte (CR, LF, NUL, byte 26); enciphering reports after one more blank line. The key alone is read with the input hidden. At a terminal, a cipher still going after a second shows how far it is on its report's line, blanked before the report.
--- option terminal=1 clockstep=1000
--- given dati.bin noeol
a<CR>
b<NUL><NUL>c<HEX:1a>
<CR><HEX:1a><NUL><HEX:ff><HEX:80>z
--- dialogue
<PROMPT>{n}
<MENU>{1}

Inserisci il nome del file di input: {dati.bin}

Inserisci il nome del file di output cifrato: {dati.cif}

Inserisci la chiave di cifratura: {Chiave}


<CR>Elaborazione: 100% (0 MB/s)<CR>                           <CR>File processato correttamente.

<PROMPT>{n}
<MENU>{2}

Inserisci il nome del file di input cifrato: {dati.cif}

Inserisci il nome del file di output decifrato: {dati.out}

Inserisci la chiave di decifratura: {Chiave}

<CR>Elaborazione: 100% (0 MB/s)<CR>                           <CR>File processato correttamente.

<PROMPT>
--- platform
input hidden
input shown
input hidden
input shown
--- expect dati.cif noeol
"ec<HEX:03>ve rclle<HEX:bc><HEX:e8><HEX:13>
--- expect dati.out noeol
a<CR>
b<NUL><NUL>c<HEX:1a>
<CR><HEX:1a><NUL><HEX:ff><HEX:80>z
=== Refusals leave an existing output as it was: a key with a non-letter; a missing input, reported before the key is looked at and in the same place in both directions; an output in a directory that does not exist. Menu answers other than a lone 1 or 2 are refused, and the line end after the answer is discarded.
--- given in.txt
ciao
--- given out.txt
da non perdere
--- dialogue
<PROMPT>{n}
<MENU>{1}

Inserisci il nome del file di input: {in.txt}

Inserisci il nome del file di output cifrato: {out.txt}

Inserisci la chiave di cifratura: {chiave1}


Errore: la chiave deve contenere solo caratteri alfabetici.
<PROMPT>{n}
<MENU>{2}

Inserisci il nome del file di input cifrato: {nessuno.txt}

Inserisci il nome del file di output decifrato: {out.txt}

Inserisci la chiave di decifratura: {123}


Errore: il file di input non esiste.
<PROMPT>{n}
<MENU>{1}

Inserisci il nome del file di input: {in.txt}

Inserisci il nome del file di output cifrato: {nessuna/out.bin}

Inserisci la chiave di cifratura: {abc}


Errore: impossibile scrivere il file di output.
<PROMPT>{n}
<MENU>{12}


Scelta non valida.
<PROMPT>{n}
<MENU>{3}


Scelta non valida.
<PROMPT>
--- platform
input hidden
input shown
input hidden
input shown
input hidden
input shown
--- expect out.txt
da non perdere
--- absent nessuna
