package com.rozovedar.domain.config;

/** How the robot program reaches the controller. The native side reads the ordinal: keep this order. */
public enum NetworkType {
    I2C,
    USB,
    CAN,
    UART
}
