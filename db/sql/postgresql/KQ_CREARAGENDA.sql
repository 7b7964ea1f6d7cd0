-- Creates the day's slots, one every minutos from 07:00 up to (not including) 21:00, when the day has
-- no slot yet; a day that already has slots, or a slot length that is not positive, adds nothing.
-- Two desks calling it for the same day at the same moment create the slots once: the second waits
-- for the first one's lock on that day, then finds its slots.
CREATE PROCEDURE KQ_CREARAGENDA(fecha timestamp, minutos integer DEFAULT 30)
LANGUAGE plpgsql
AS $cuerpo$
#variable_conflict use_column
DECLARE
    dia date := fecha::date;
BEGIN
    IF minutos IS NULL OR minutos <= 0 THEN
        RETURN;
    END IF;
    PERFORM pg_advisory_xact_lock(hashtext('KQ_CREARAGENDA'), dia - date '2000-01-01');
    IF EXISTS (SELECT 1 FROM MV_AGENDA WHERE FECHA >= dia AND FECHA < dia + 1) THEN
        RETURN;
    END IF;
    INSERT INTO MV_AGENDA (FECHA)
    SELECT momento
    FROM generate_series(dia + time '07:00', dia + time '21:00' - interval '1 second',
                         make_interval(mins => minutos)) AS momento;
END
$cuerpo$
