# A one-letter key: every byte is combined with the letter's code, so K and
# k give outputs that differ by 0x20 in every byte, and a byte equal to the
# key byte becomes 0.
--- given testo.txt noeol
Kk Kk
--- stdin
n
1
testo.txt
maiuscola.bin
K
n
1
testo.txt
minuscola.bin
k
--- stdout


Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 
Inserisci il nome del file di input: 
Inserisci il nome del file di output cifrato: 
Inserisci la chiave di cifratura: 

File processato correttamente.



Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 
Inserisci il nome del file di input: 
Inserisci il nome del file di output cifrato: 
Inserisci la chiave di cifratura: 

File processato correttamente.



Cosa vuoi fare?

Path: 
--- expect maiuscola.bin noeol
<HEX:00> k<HEX:00> 
--- expect minuscola.bin noeol
 <HEX:00>K <HEX:00>
--- exit 0
