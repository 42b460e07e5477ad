--- token D noeol

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: 
--- token M noeol
Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: 
=== Each command of the calculator with its result; all answers may come on one line.
--- dialogue
<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {3 10 3 2}
Valore: Valore: Valore: Risultato: 5<PROMPT>{m}

Inserisci i due valori per eseguire la moltiplicazione:
Valore: {2.5 4}
Valore: Risultato: 10<PROMPT>{d}
<D>{7 2 1}
<M>Risultato: 3.5<PROMPT>{d}
<D>{-7 2 2}
<M>Risultato: -3
Resto: -1
<PROMPT>{p}

Inserisci il numero: {2 10}
Inserisci l'esponente: Risultato: 1024<PROMPT>{p}

Inserisci il numero: {2 -3}
Inserisci l'esponente: Risultato: 0.125<PROMPT>{r}

Inserisci il numero: {27 3}
Inserisci l'esponente per la radice: La radice 3-esima di 27 e': 3
<PROMPT>{z}

Inserisci valore:{30}
Risultato: 0.5<PROMPT>
=== Refusals; a non-number is asked for again (the count); "5 a" leaves "a" for the prompt; the input ends inside the addition.
--- dialogue
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {0}
Errore: inserire almeno un valore.
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {2}
Valore: {1 2}
Valore: Risultato: 1.5<PROMPT>{r}

Inserisci il numero: {-16 2}
Inserisci l'esponente per la radice: Errore: radice di indice pari di un numero negativo.
<PROMPT>{t}

Inserisci valore:{-270}
Errore: tangente non definita per questo angolo.
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {x}

Errore riprova
Inserisci quanti valori vuoi utilizzare: {1}
Valore: {5 a}
Risultato: 5<PROMPT>
Inserisci quanti valori vuoi utilizzare: {2 1}
Valore: Valore: 
=== Input with Windows line ends works the same, and a decimal question takes a decimal comma: "2,5" is 2.5.
--- dialogue
<PROMPT>{m<CR>}

Inserisci i due valori per eseguire la moltiplicazione:
Valore: {2,5<CR>}
Valore: {4<CR>}
Risultato: 10<PROMPT>{x<CR>}

Ok,sto uscendo...

--- platform
wait for key
