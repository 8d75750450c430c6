ISO8859-2
.ab1
2b1c8
³1¼
¿3¼
a1b
xa2b
1ka
