// placeholder until the layout scaler lands
