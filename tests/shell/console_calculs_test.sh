#!/bin/sh
# The Calculs page without its window answers one line per input line, in
# UTF-8: the result the history shows, collected after a derivative or an
# antiderivative, or the syntax check's message; nothing for a blank input.
set -e
calculs="$1"
programme="$1"
. "$(dirname "$0")/../verifie_console.sh"
verifie '' 'developper((x+3)^2)
deriver(x^3*x;x)
integrer(x+x;x)
2X + 3x
x+
  
reduire(2*x-2)
resoudre(y'"'"'=2*y;[x;y(0)=3])
' '3^2+2*3*x+x^2
4*x^3
x^2
2*x+3*x
Doublon d'"'"'opérateur: l'"'"'opérateur + est suivi d'"'"'un autre opérateur.

-2+2*x
[y=3*exp(2*x)]'
verifie --sans-implicite '2x\n2*x\n' '2x
2*x'
# A sum or a quotient of numbers is one number, whatever their texts; a
# double that overflows is an error value.
verifie '' 'reduire(2^200+1)
reduire(1.5e3+1)
reduire(fact(25)/fact(24))
reduire(1e308+1e308+1)
' '1.60693804425899E60
1501
25
erreur(Le résultat n'"'"'est pas un nombre fini.)'
# A negative base's sign leaves a power only for an integer exponent or a
# fraction of odd denominator.
verifie '' 'reduire((-4)^(1/2))
reduire((-2)^(2/3))
reduire((-2)^(1/2)*(-2)^(1/2))
' '(-4)^(1/2)
2^(2/3)
(-2)^(1/2)*(-2)^(1/2)'
# pi is the nearest double; sin, cos, tan and cotan are exact at whole
# multiples of pi/6 and pi/4.
verifie '' 'numeriser(cos(pi/3))
numeriser(sqrt(sin(pi)))
numeriser(tan(pi/2))
numeriser(2*pi)
' '0.5
0
erreur(Division par zéro)
6.28318530717959'
if "$calculs" --inconnue < /dev/null 2> /dev/null; then
  echo "an unknown option must fail" >&2
  exit 1
fi
# The user's functions and constants of the program folder, as the page
# knows them: a constant with an exact number for value (an integer, a
# fraction, a decimal) is that number in a sum as in a product; pi and a
# constant such as sqrt(2) stay names.
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
printf '[Constante]\r\nk=3\r\nh=1/2\r\nd=0.5\r\nr=sqrt(2)\r\n' > "$dossier/Constante.ini"
printf '[Fonction]\r\nf=f;x^2+1;x\r\ng=g;x^3;x\r\n' > "$dossier/Fonction.ini"
export PRALINORE_APPDIR="$dossier"
verifie '' 'reduire(k+1)
reduire(2+k)
reduire(f(2)+k)
reduire(2*k)
reduire(pi+1)
reduire(h+1)
reduire(3*h)
reduire(h*h)
reduire(d+1)
reduire(3*d)
reduire(r+1)
reduire(3*r)
' '4
5
8
6
1+pi
3/2
3/2
1/4
3/2
3/2
1+r
3*r'
# A call refused inside a larger calculation fails it whole: one message on
# stderr and no result, however many of its terms would fail.
verifie '' 'reduire(1+comb(x;2))\nsomme(k;1;5;k+fact(k/2))\nreduire(1+comb(4;2))\n' '

7'
messages=$(printf 'somme(k;1;100000;1+fact(x))\n' | "$calculs" 2>&1 >/dev/null | grep -c 'entiers')
if [ "$messages" != 1 ]; then
  echo "a sum of failing terms showed $messages messages instead of one" >&2
  exit 1
fi
verifie '' 'somme(k;1;100000;1+fact(x))\n' ''
# A user function's derivative at a composite argument: the argument goes
# into the template as one operand.
verifie '' 'deriver(f(x+1);x)
deriver(f(-x);x)
deriver(g(x+1);x)
deriver(g(2*x-1);x)
' '2*(x+1)
2*x
3*(x+1)^2
6*(2*x-1)^2'
# A user function's argument reaches the built-in calls of its body (the
# index of a sum there is the sum's own); an antiderivative without closed
# form is written in the call's variable; a template takes a quotient or a
# negated argument as one operand.
printf '[Fonction]\r\nb=b;fact(x);x\r\nc=c;comb(x;2);x\r\nq=q;pgcd(x;6);x\r\ns=s;somme(j;1;x;j);x\r\np=p;x^2/fact(x);x\r\nm=m;sin(x)+fact(x);x\r\ng=g;1/(x^2+2);x\r\nh=h;1/(t^2+2);t\r\nlg=lg;ln(x);x\r\nw=w;x-x^2/2;x\r\n' > "$dossier/Fonction.ini"
verifie '' 'reduire(b(3))
numeriser(b(3))
reduire(c(5))
reduire(q(4))
reduire(s(4))
reduire(somme(n;1;4;p(n)))
numeriser(m(3))
integrer(g(t);t)
integrer(g(t)+1;t)
integrer(h(x);x)
deriver(g(t);t)
deriver(lg(x/2);x)
deriver(lg(2/x);x)
deriver(w(-x);x)
' '6
6
10
2
10
31/6
6.14112000805987
integrer(1/(t^2+2);t)
integrer(1/(t^2+2);t)+t
integrer(1/(x^2+2);x)
(-2*t)/((t^2+2)^2)
1/x
-1/x
-1-x'
# A bracketed list that is no call's arguments is a syntax error, with or
# without the implicit products; vectors, matrices and calls keep theirs.
for options in '' --sans-implicite; do
  verifie "$options" 'truc(2;3)
(2;3)+1
[[1;2];[3;4]]
pgcd(4;6)
' "Nombre d'arguments incorrects
Nombre d'arguments incorrects
[[1;2];[3;4]]
2"
done
# A ")" that closes nothing is a bracket error; missing ")" at the end are
# completed.
verifie '' '1)+(2
)1(
(1))+((2
(x+1
' "Erreur de parenthèse
Erreur de parenthèse
Erreur de parenthèse
(x+1)"
# However many groups fail the check, the calculation shows one message.
plusieurs=$(awk 'BEGIN { for (i = 1; i < 600; i++) printf "2(3;4)+"; print "2(3;4)" }')
verifie '' "$plusieurs" "Nombre d'arguments incorrects"
# A variable that is not a name is refused, deriver's and integrale's (in
# the order of deriver's arguments, the variable is 1).
verifie '' 'deriver(x^2;2)
integrale(f(x);x;0;1)
' 'Variable invalide
Variable invalide'
# Integrals: no value across a point where the function is not defined (a
# pole inside or at an end, a square root of negative numbers, a user
# function's pole too), one number when both bounds are numbers.
non_continue="erreur(Attention la fonction n'est pas continue sur l'intervalle d'étude)"
printf '[Fonction]\r\nf=f;x^2+1;x\r\ng=g;x^3;x\r\nh=h;1/x;x\r\n' > "$dossier/Fonction.ini"
verifie '' 'integrale(1/x^2;-1;1;x)
integrale(1/x^3;-1;2;x)
integrale(1/cos(x)^2;0;3;x)
integrale(x^(1/2);-1;0;x)
integrale(h(x);-1;1;x)
integrale(1/cos(x)^2;0;1;x)
integrale(x^2;2;3;x)
integrale(x^2+1;0;1;x)
integrale(1/x^2;1;2;x)
integrale(f(x);0;1;x)
integrale(x;0;a;x)
' "$non_continue
$non_continue
$non_continue
$non_continue
$non_continue
1.5574077246549
19/3
4/3
1/2
4/3
(a^2)/2"
