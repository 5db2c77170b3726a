#!/usr/bin/env python3
"""Independent figures for schedule_test.cpp: the starting inputs' five schedules and their CSV text.

Replicates the loan arithmetic in the library's order of operations (Python floats are IEEE doubles and use the
same libm) and the schedule rules with Python's Decimal for every rounding, so nothing is shared with the C++.
Run: python3 tests/schedule_expected.py
"""
import math
from decimal import ROUND_HALF_UP, Decimal

CENT = Decimal("0.01")


def to_cents(amount):  # rounded on the shortest decimal form, half away from zero
    return int(Decimal(repr(amount)).quantize(CENT, ROUND_HALF_UP) * 100)


def round_cents(x):  # the double itself rounded half away from zero
    return int(Decimal(x).quantize(Decimal(1), ROUND_HALF_UP))


def loan(principal, percent, years):
    a = percent / 100
    n = years * 12
    r = a / 12
    g = (1 + r) ** n
    m = (g * (r * principal)) / (g - 1)
    return dict(P=principal, a=a, M=m, I=m * n - principal, FV=((g - 1) * m) / r)


def plans(p1, pct1, p2, pct2, y):
    l1, l2 = loan(p1, pct1, y), loan(p2, pct2, y)
    avg = (l2["a"] + l1["a"]) / 2
    w1 = (l1["P"] / (l2["P"] + l1["P"])) * l1["a"]
    w2 = (l2["P"] / (l2["P"] + l1["P"])) * l2["a"]
    weighted = w2 + w1
    tp, ta = l2["P"] + l1["P"], l2["FV"] + l1["FV"]
    e = 1 * ((ta / tp) ** (1 / y) - 1)
    nominal = 12 * ((1 + e) ** (1 / 12) - 1)
    r = nominal / 12
    g = (1 + r) ** (y * 12)
    bp = (g * (r * tp)) / (g - 1)
    c = l2["M"] + l1["M"]

    def payoff_interest(rate):
        months = -math.log(1 - ((rate * tp) / 12) / c) / math.log(rate / 12 + 1)
        return c * months - tp

    return [
        ("Loan 1", l1["P"], l1["a"], l1["M"], l1["I"], y),
        ("Loan 2", l2["P"], l2["a"], l2["M"], l2["I"], y),
        ("Blended loan", tp, nominal, bp, bp * (y * 12) - tp, y),
        ("Combined payment at the average rate", tp, avg, c, payoff_interest(avg), None),
        ("Combined payment at the weighted rate", tp, weighted, c, payoff_interest(weighted), None),
    ]


def schedule(principal, rate, payment, years):
    balance, pay, r = to_cents(principal), to_cents(payment), rate / 12
    last = math.ceil(years * 12 - 1e-9) if years is not None else None
    rows, k = [], 0
    while balance > 0:
        k += 1
        interest = round_cents(balance * r)
        amount = balance + interest if k == last or balance + interest <= pay else pay
        balance -= amount - interest
        rows.append((k, amount, interest, amount - interest, balance))
    return rows


def money(cents, mark):
    return f"{cents // 100}{mark}{cents % 100:02d}"


def csv(all_rows, mark, first=(2026, 1)):
    sep = ";" if mark == "," else ","
    lines = [sep.join(["Plan", "Payment", "Month", "Payment amount", "Interest", "Principal", "Balance"])]
    for name, rows in all_rows:
        for k, *amounts in rows:
            index = first[0] * 12 + first[1] - 1 + k - 1
            month = f"{index // 12:04d}-{index % 12 + 1:02d}"
            lines.append(sep.join([name, str(k), month] + [money(a, mark) for a in amounts]))
    return "".join(line + "\r\n" for line in lines)


if __name__ == "__main__":
    all_rows = []
    for name, principal, rate, payment, exact, years in plans(355000, 2.99, 140000, 4, 20):
        rows = schedule(principal, rate, payment, years)
        all_rows.append((name, rows))
        total_interest = sum(row[2] for row in rows)
        print(f"{name}: {len(rows)} payments, first {rows[0]}, last {rows[-1]}, total interest {total_interest},"
              f" exact {exact!r} -> difference {total_interest - to_cents(exact)}")
    for mark in (".", ","):
        text = csv(all_rows, mark)
        print(f"CSV {mark!r}: {len(text)} bytes, {text.count(chr(10))} lines")
        print("".join(text.splitlines(True)[:2]), end="")
