package com.rozovedar.domain.config;

/** The shape of a zone's LEDs. The native side reads the ordinal: keep this order. */
public enum ZoneType {
    STRIP,
    MATRIX
}
