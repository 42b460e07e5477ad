=== 'm' multiplies two doubles and prints six significant digits.
--- dialogue
<PROMPT>{m}

Inserisci i due valori per eseguire la moltiplicazione:
Valore: {2.5}
Valore: {4}
Risultato: 10<PROMPT>{m}

Inserisci i due valori per eseguire la moltiplicazione:
Valore: {0.1 3}
Valore: Risultato: 0.3<PROMPT>
=== 'd' by zero: the remainder mode prints a message in place of the two result lines; the real mode prints the IEEE infinity.
--- dialogue
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {7}
Valore: {0}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {2}
Errore: divisione per zero.
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {7}
Valore: {0}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {1}
Risultato: inf<PROMPT>
=== 'd' with INT_MIN / -1 in the remainder mode wraps: quotient INT_MIN, remainder 0.
--- dialogue
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {-2147483648}
Valore: {-1}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {2}
Risultato: -2147483648
Resto: 0
<PROMPT>
=== A non-number at the mode question asks again after "Path: ".
--- dialogue
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {9}
Valore: {3}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {normale}

Errore riprova
Path: {1}
Risultato: 3<PROMPT>
=== 'd' with mode 1 (or 0) divides in double.
--- dialogue
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {7}
Valore: {2}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {1}
Risultato: 3.5<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {1}
Valore: {3}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {0}
Risultato: 0.333333<PROMPT>
=== 'd' with mode 2 (or more) prints the integer quotient and the remainder, which carries the sign of the dividend.
--- dialogue
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {7}
Valore: {2}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {2}
Risultato: 3
Resto: 1
<PROMPT>{d}

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: {-7}
Valore: {2}
IL risultato lo vuoi normale(1) o con il resto(2)?
Path: {5}
Risultato: -3
Resto: -1
<PROMPT>
