#!/usr/bin/env python3
"""Draws the drop-down arrows of the skins (src/appearance/Styles): a small
downward triangle, smoothed, in each skin's colour, as PNG files."""
import os
import struct
import zlib

ANCHO, ALTO, MUESTRAS = 9, 5, 8
FLECHAS = {
    "Vista_flecha.png": (0x3C, 0x3C, 0x3C),
    "WinXP.Luna_flecha.png": (0x4D, 0x61, 0x85),
    "WinXP.Royale_flecha.png": (0x1F, 0x3D, 0x7A),
    "Office2007_flecha.png": (0x15, 0x42, 0x8B),
    "iTunes/flecha.png": (0x2E, 0x2E, 0x2E),
}


def cobertura(x, y):
    """Share of the pixel (x, y) inside the triangle with its base on top."""
    dentro = 0
    for i in range(MUESTRAS):
        for j in range(MUESTRAS):
            px = x + (i + 0.5) / MUESTRAS
            py = y + (j + 0.5) / MUESTRAS
            medio = py / ALTO * (ANCHO / 2)
            if medio <= px <= ANCHO - medio:
                dentro += 1
    return dentro / (MUESTRAS * MUESTRAS)


def png(color):
    filas = b""
    for y in range(ALTO):
        filas += b"\0" + b"".join(
            bytes(color) + bytes([round(255 * cobertura(x, y))]) for x in range(ANCHO))

    def trozo(tipo, datos):
        return (struct.pack(">I", len(datos)) + tipo + datos +
                struct.pack(">I", zlib.crc32(tipo + datos) & 0xFFFFFFFF))

    cabecera = struct.pack(">IIBBBBB", ANCHO, ALTO, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + trozo(b"IHDR", cabecera) +
            trozo(b"IDAT", zlib.compress(filas, 9)) + trozo(b"IEND", b""))


if __name__ == "__main__":
    carpeta = os.path.join(os.path.dirname(__file__), "..", "src", "appearance", "Styles")
    for nombre, color in FLECHAS.items():
        with open(os.path.join(carpeta, nombre), "wb") as f:
            f.write(png(color))
