ISO8859-2
s1z
z1c
e1p
