ISO8859-2
.ab1
1de.
