=== 'n' then '1': a 7-byte file enciphered with the key abc uses the key letters at positions 0,1,2,0,1,2,0; the report comes after one more blank line than in the other direction.
--- given chiaro.txt
Ciao!<HEX:0d>
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {chiaro.txt}

Inserisci il nome del file di output cifrato: {cifrato.bin}

Inserisci la chiave di cifratura: {abc}


File processato correttamente.

<PROMPT>
--- expect cifrato.bin noeol
"<HEX:0b><HEX:02><HEX:0e>Cnk
--- expect chiaro.txt
Ciao!<HEX:0d>
=== A key with a digit is refused before the output is touched: the existing output file keeps its bytes.
--- given in.txt
ciao
--- given out.txt
da non perdere
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {in.txt}

Inserisci il nome del file di output cifrato: {out.txt}

Inserisci la chiave di cifratura: {chiave1}


Errore: la chiave deve contenere solo caratteri alfabetici.
<PROMPT>
--- expect out.txt
da non perdere
=== Deciphering with a key that holds a non-letter: the message follows the key's line break directly and no output file is created.
--- given in.bin noeol
xyz
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {in.bin}

Inserisci il nome del file di output decifrato: {out.txt}

Inserisci la chiave di decifratura: {chi-ave}

Errore: la chiave deve contenere solo caratteri alfabetici.
<PROMPT>
--- absent out.txt
=== 'n' then '2': the deciphering prompts; the report follows the key's line break directly.
--- given segreto.bin noeol
<HEX:18><HEX:04><HEX:02><HEX:06><HEX:0c><HEX:19>5A<HEX:04><HEX:1b><HEX:1a><HEX:0e>&<HEX:17><HEX:17><HEX:06><HEX:08>f^<HEX:12><HEX:13><HEX:11><HEX:06><HEX:05>0<HEX:00>V<HEX:00><HEX:00><HEX:0c>5l|
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {segreto.bin}

Inserisci il nome del file di output decifrato: {chiaro.txt}

Inserisci la chiave di decifratura: {Tavrik}

File processato correttamente.

<PROMPT>
--- expect chiaro.txt
Lettera riservata<HEX:0d>
seconda riga<HEX:0d>
=== An empty input gives an empty output and the success message.
--- given vuoto.txt noeol

--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {vuoto.txt}

Inserisci il nome del file di output decifrato: {vuoto.out}

Inserisci la chiave di decifratura: {abc}

File processato correttamente.

<PROMPT>
--- expect vuoto.out noeol

=== Enciphering a file in place replaces its content with the enciphered bytes.
--- given nota.txt noeol
Nota privata.<HEX:0d>
Fine.<HEX:1a>
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {nota.txt}

Inserisci il nome del file di output cifrato: {nota.txt}

Inserisci la chiave di cifratura: {Segreto}


File processato correttamente.

<PROMPT>
--- expect nota.txt noeol
<HEX:1d>
<HEX:13><HEX:13>E<HEX:04><HEX:1d>:<HEX:13><HEX:06><HEX:06><HEX:04>ZbY#<HEX:0e><HEX:1c><HEX:00>Zu
=== Input and output naming the same file: enciphering in place and then deciphering in place gives back the original bytes.
--- given nota.txt noeol
Nota privata.<HEX:0d>
Fine.<HEX:1a>
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {nota.txt}

Inserisci il nome del file di output cifrato: {nota.txt}

Inserisci la chiave di cifratura: {Segreto}


File processato correttamente.

<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {nota.txt}

Inserisci il nome del file di output decifrato: {nota.txt}

Inserisci la chiave di decifratura: {Segreto}

File processato correttamente.

<PROMPT>
--- expect nota.txt noeol
Nota privata.<HEX:0d>
Fine.<HEX:1a>
=== A directory named as input counts as an input that cannot be opened.
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {.}

Inserisci il nome del file di output cifrato: {out.bin}

Inserisci la chiave di cifratura: {abc}


Errore: il file di input non esiste.
<PROMPT>
--- absent out.bin
=== A one-letter key: every byte is combined with the letter's code, so K and k give outputs that differ by 0x20 in every byte, and a byte equal to the key byte becomes 0.
--- given testo.txt noeol
Kk Kk
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {testo.txt}

Inserisci il nome del file di output cifrato: {maiuscola.bin}

Inserisci la chiave di cifratura: {K}


File processato correttamente.

<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {testo.txt}

Inserisci il nome del file di output cifrato: {minuscola.bin}

Inserisci la chiave di cifratura: {k}


File processato correttamente.

<PROMPT>
--- expect maiuscola.bin noeol
<HEX:00> k<HEX:00> 
--- expect minuscola.bin noeol
 <HEX:00>K <HEX:00>
=== The answer 1 followed by blanks counts as 1: white space ends the word, and the following words are the next answers, here all on one line.
--- given a.txt noeol
AAAA
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1   }

Inserisci il nome del file di input: {  a.txt b.bin   abc}

Inserisci il nome del file di output cifrato: 
Inserisci la chiave di cifratura: 

File processato correttamente.

<PROMPT>
--- expect b.bin noeol
 #" 
=== A single character other than 1 and 2 is refused the same way; the line end after it is discarded, so the next line is read as a command.
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {3}


Scelta non valida.
<PROMPT>{h}

Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
=== The menu answer 12 is not a single character: refused, no file asked for.
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {12}


Scelta non valida.
<PROMPT>
=== An output in a directory that does not exist: the write message, never the success message, and nothing is created.
--- given in.txt
ciao
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {in.txt}

Inserisci il nome del file di output cifrato: {nessuna/out.bin}

Inserisci la chiave di cifratura: {abc}


Errore: impossibile scrivere il file di output.
<PROMPT>
--- absent nessuna
=== Deciphering a missing input: the same message in the same place, checked before the key (which is bad too); an existing output keeps its bytes.
--- given out.txt
vecchio
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {manca.bin}

Inserisci il nome del file di output decifrato: {out.txt}

Inserisci la chiave di decifratura: {123}


Errore: il file di input non esiste.
<PROMPT>
--- expect out.txt
vecchio
=== An input that does not exist: message after a blank line, the output is not created.
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {manca.txt}

Inserisci il nome del file di output cifrato: {out.bin}

Inserisci la chiave di cifratura: {abc}


Errore: il file di input non esiste.
<PROMPT>
--- absent out.bin
=== A file name with a space is split: its first word is the input, the second the output, and the next line the key.
--- given mio noeol
dati
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {mio file.txt}

Inserisci il nome del file di output cifrato: 
Inserisci la chiave di cifratura: {abc}


File processato correttamente.

<PROMPT>
--- expect file.txt noeol
<HEX:05><HEX:03><HEX:17><HEX:08>
=== Only one character after the key is discarded: the rest of its line is read at the prompt as the next command line, here the exit.
--- given in.txt noeol
abc
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {in.txt}

Inserisci il nome del file di output cifrato: {out.bin}

Inserisci la chiave di cifratura: {abc x}


File processato correttamente.

<PROMPT>
Ok,sto uscendo...

--- platform
pause
--- expect out.bin noeol
<HEX:00><HEX:00><HEX:00>
=== Enciphering and then deciphering with the same key gives back every byte: carriage returns, line feeds, zero bytes and byte 26 included.
--- given dati.bin noeol
a<HEX:0d>
b<HEX:00><HEX:00>c<HEX:1a>
<HEX:0d><HEX:1a><HEX:00><HEX:ff><HEX:80>z
--- dialogue
<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {1}

Inserisci il nome del file di input: {dati.bin}

Inserisci il nome del file di output cifrato: {dati.cif}

Inserisci la chiave di cifratura: {Chiave}


File processato correttamente.

<PROMPT>{n}


Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: {2}

Inserisci il nome del file di input cifrato: {dati.cif}

Inserisci il nome del file di output decifrato: {dati.out}

Inserisci la chiave di decifratura: {Chiave}

File processato correttamente.

<PROMPT>
--- expect dati.cif noeol
"ec<HEX:03>ve rclle<HEX:bc><HEX:e8><HEX:13>
--- expect dati.out noeol
a<HEX:0d>
b<HEX:00><HEX:00>c<HEX:1a>
<HEX:0d><HEX:1a><HEX:00><HEX:ff><HEX:80>z
