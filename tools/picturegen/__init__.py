"""Draws the program's built-in pictures and writes them as ICO, BMP and PNG files."""
