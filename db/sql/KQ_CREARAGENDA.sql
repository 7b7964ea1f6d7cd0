-- Creates the day's slots, one every @Minutos from 07:00 up to (not including) 21:00, when the day
-- has no slot yet; a day that already has slots, or a slot length that is not positive, adds nothing.
INSERT INTO MV_AGENDA (FECHA)
WITH RECURSIVE franjas(momento) AS (
    SELECT datetime(date(:Fecha), '+7 hours')
    UNION ALL
    SELECT datetime(momento, '+' || :Minutos || ' minutes') FROM franjas
    WHERE :Minutos > 0 AND datetime(momento, '+' || :Minutos || ' minutes') < datetime(date(:Fecha), '+21 hours')
)
SELECT momento FROM franjas
WHERE :Minutos > 0
  AND NOT EXISTS (SELECT 1 FROM MV_AGENDA WHERE FECHA >= date(:Fecha) AND FECHA < date(:Fecha, '+1 day'))
