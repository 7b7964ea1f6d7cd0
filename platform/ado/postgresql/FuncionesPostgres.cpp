#include "platform/ado/postgresql/FuncionesPostgres.h"

namespace ado::postgresql {

QString DefinicionesFuncionesSuite()
{
    return QString::fromUtf8(R"sql(
CREATE FUNCTION pg_temp.kq_suma(a text, b text) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT a || b $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT a + b $$;
CREATE FUNCTION pg_temp.kq_suma(a text, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT trim(a)::numeric + b $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b text) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT a + trim(b)::numeric $$;
CREATE FUNCTION pg_temp.kq_suma(a timestamp, b numeric) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT a + b * interval '1 day' $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b timestamp) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT b + a * interval '1 day' $$;
CREATE FUNCTION pg_temp.kq_replicate(t text, n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n >= 0 THEN repeat(t, n) END $$;
CREATE FUNCTION pg_temp.kq_space(n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n >= 0 THEN repeat(' ', n) END $$;
CREATE FUNCTION pg_temp.kq_char(n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n BETWEEN 1 AND 255 THEN convert_from(decode(lpad(to_hex(n), 2, '0'), 'hex'), 'WIN1252') END $$;
CREATE FUNCTION pg_temp.kq_ascii(t text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN t <> '' THEN get_byte(convert_to(left(t, 1), 'WIN1252'), 0) END $$;
CREATE FUNCTION pg_temp.kq_str(x numeric, largo integer DEFAULT 10, decimales integer DEFAULT 0) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN length(s) > largo THEN repeat('*', largo) ELSE lpad(s, largo) END FROM (SELECT round(x, decimales)::text AS s) r $$;
CREATE FUNCTION pg_temp.kq_isnumeric(x text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN x ~ '^\s*[$€£¥]?[+-]?[0-9,]*\.?[0-9]*([eEdD][+-]?[0-9]+)?\s*$' AND trim(x) <> '' THEN 1 ELSE 0 END $$;
CREATE FUNCTION pg_temp.kq_isnumeric(x numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN x IS NULL THEN 0 ELSE 1 END $$;
CREATE FUNCTION pg_temp.kq_year(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(year FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_month(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(month FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_day(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(day FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_parte(p text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN lower(p) IN ('year', 'yy', 'yyyy') THEN 'year' WHEN lower(p) IN ('quarter', 'qq', 'q') THEN 'quarter'
  WHEN lower(p) IN ('month', 'mm', 'm') THEN 'month' WHEN lower(p) IN ('dayofyear', 'dy', 'y') THEN 'dayofyear'
  WHEN lower(p) IN ('day', 'dd', 'd') THEN 'day' WHEN lower(p) IN ('week', 'wk', 'ww') THEN 'week'
  WHEN lower(p) IN ('weekday', 'dw', 'w') THEN 'weekday' WHEN lower(p) IN ('hour', 'hh') THEN 'hour'
  WHEN lower(p) IN ('minute', 'mi', 'n') THEN 'minute' WHEN lower(p) IN ('second', 'ss', 's') THEN 'second'
  WHEN lower(p) IN ('millisecond', 'ms') THEN 'millisecond' END $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f timestamp) RETURNS timestamp LANGUAGE sql STABLE AS $$
 SELECT f + CASE pg_temp.kq_parte(p) WHEN 'year' THEN make_interval(years => n) WHEN 'quarter' THEN make_interval(months => 3 * n)
  WHEN 'month' THEN make_interval(months => n) WHEN 'week' THEN make_interval(days => 7 * n) WHEN 'hour' THEN make_interval(hours => n)
  WHEN 'minute' THEN make_interval(mins => n) WHEN 'second' THEN make_interval(secs => n)
  WHEN 'millisecond' THEN make_interval(secs => n / 1000.0) WHEN 'dayofyear' THEN make_interval(days => n)
  WHEN 'day' THEN make_interval(days => n) WHEN 'weekday' THEN make_interval(days => n) END $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a timestamp, b timestamp) RETURNS bigint LANGUAGE sql STABLE AS $$
 SELECT (CASE pg_temp.kq_parte(p)
  WHEN 'year' THEN extract(year FROM b) - extract(year FROM a)
  WHEN 'quarter' THEN (extract(year FROM b) * 4 + extract(quarter FROM b)) - (extract(year FROM a) * 4 + extract(quarter FROM a))
  WHEN 'month' THEN (extract(year FROM b) * 12 + extract(month FROM b)) - (extract(year FROM a) * 12 + extract(month FROM a))
  WHEN 'week' THEN floor((b::date - DATE '1900-01-07') / 7.0) - floor((a::date - DATE '1900-01-07') / 7.0)
  WHEN 'hour' THEN floor(extract(epoch FROM b) / 3600) - floor(extract(epoch FROM a) / 3600)
  WHEN 'minute' THEN floor(extract(epoch FROM b) / 60) - floor(extract(epoch FROM a) / 60)
  WHEN 'second' THEN floor(extract(epoch FROM b)) - floor(extract(epoch FROM a))
  WHEN 'millisecond' THEN floor(extract(epoch FROM b) * 1000) - floor(extract(epoch FROM a) * 1000)
  WHEN 'dayofyear' THEN b::date - a::date WHEN 'day' THEN b::date - a::date WHEN 'weekday' THEN b::date - a::date END)::bigint $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$
 SELECT (CASE pg_temp.kq_parte(p)
  WHEN 'year' THEN extract(year FROM f) WHEN 'quarter' THEN extract(quarter FROM f) WHEN 'month' THEN extract(month FROM f)
  WHEN 'dayofyear' THEN extract(doy FROM f) WHEN 'day' THEN extract(day FROM f)
  WHEN 'week' THEN floor((extract(doy FROM f) - 1 + extract(isodow FROM date_trunc('year', f)) - 1) / 7) + 1
  WHEN 'weekday' THEN extract(isodow FROM f) WHEN 'hour' THEN extract(hour FROM f) WHEN 'minute' THEN extract(minute FROM f)
  WHEN 'second' THEN floor(extract(second FROM f)) WHEN 'millisecond' THEN floor(extract(milliseconds FROM f)) - floor(extract(second FROM f)) * 1000 END)::integer $$;
)sql");
}

} // namespace ado::postgresql
