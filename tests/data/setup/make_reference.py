# Writes reference.dat: one set-up record built by hand, independently of the
# program's encoder. Extended values are rounded to nearest, ties to even.
from fractions import Fraction as F
import struct

def ext(v):
    v = F(v)
    if v == 0:
        return bytes(10)
    neg = v < 0
    v = abs(v)
    e = 0
    while v >= 2: v /= 2; e += 1
    while v < 1: v *= 2; e -= 1
    m = round(v * 2**63)
    if m == 2**64: m //= 2; e += 1
    return struct.pack('<QH', m, (e + 16383) | (0x8000 if neg else 0))

def sstr(s, n):
    b = s.encode('cp1252')
    return bytes([len(b)]) + b + bytes(n - len(b))

r = b''
for v in ['-37.8125', '144.9583333', '123', '9.75', '51.5', '-0.125', '45', '-5',
          '10.368', '20', '1.5', '-2.25', '5', '85', '300', '250',
          '0.1', '1e-300', '-7', '1e300', '0', '3']:
    r += ext(F(v))
assert len(r) == 220
r += bytes([1, 1, 0])
r += sstr('Melbourne é€', 15) + sstr('London', 15)
r += sstr('VK3ABC', 8) + sstr('G4XYZ', 8)
r += sstr('QF22le', 6) + sstr('IO91wm', 6)
r += bytes([0x5A])
r += struct.pack('<iiiii', 3, 21, 10, 2, 4)
r += struct.pack('<iiiii', -1, 0x12345678, 7, 0, -2147483648)
assert len(r) == 328
open('reference.dat', 'wb').write(r)
